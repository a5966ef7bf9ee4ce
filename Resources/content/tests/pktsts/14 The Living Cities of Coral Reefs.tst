1. What is a coral polyp?
   A. A type of colorful rock found underwater
   B. A plant that grows on the sea floor
  *C. A small animal with a soft body and a ring of tentacles
   D. A kind of tiny fish that lives in reefs
2. Which animals are corals related to?
  *A. Jellyfish and sea anemones
   B. Sea turtles and crabs
   C. Parrotfish and eels
   D. Octopuses and shrimp
3. How do reef-building corals create reefs?
  *A. They build stony skeletons that pile up over thousands of years
   B. They collect rocks from the shore
   C. They glue sand and shells together with their tentacles
   D. They grow roots that turn into limestone
4. What do the tiny algae living inside corals provide?
   A. Protection from sharks
   B. Stinging cells for catching plankton
   C. Cool water during hot weather
  *D. Much of the coral's food, and often its bright color
5. Why do most reef-building corals grow in shallow, clear water?
  *A. Their algae need sunlight to make food
   B. They cannot survive the pressure of deep water
   C. Their tentacles only work near the surface
   D. Fish cannot live in deep water
6. Why are coral reefs called "the rainforests of the sea"?
   A. They are covered in tall green plants
   B. They get a lot of rain
  *C. They are home to a huge variety of living things
   D. They are found only near rainforests
7. How do parrotfish help make sand?
  *A. They bite off bits of coral skeleton, grind them up, and pass them out as sand
   B. They carry it from the beach to the reef
   C. They dig it up from under the reef
   D. They break shells against the rocks
8. What is coral bleaching?
   A. A method scientists use to clean reefs
  *B. When stressed corals push out their algae and turn white
   C. When sunlight fades the color of dead coral
   D. When pollution paints the coral white
9. Based on the article, what is the most likely result if ocean water stays too warm for a very long time?
   A. The corals will grow faster than before
   B. The algae will make more food for the coral
  *C. The bleached corals will starve and die
   D. The reef will turn back into ordinary rock overnight
10. What is one way people are helping damaged reefs?
   A. Removing all the fish from the reefs
  *B. Growing pieces of coral in nurseries and planting them back on reefs
   C. Building concrete walls around every reef
   D. Painting bleached coral to restore its color
