1. What was Alfred Wegener's main profession?
   A. Geologist who studied mountains
   B. Ship captain on polar voyages
   C. Collector of fossils
  *D. Meteorologist
2. What did Wegener name the single giant landmass that he believed once existed?
   A. Glossopteris
   B. Mesosaurus
   C. Mid-Atlantic Ridge
  *D. Pangaea
3. Why was the Mesosaurus evidence important?
  *A. A freshwater reptile could not cross an ocean, yet it lived on two continents.
   B. Mesosaurus lived only in Antarctica.
   C. Its fossils proved that land bridges had once connected the continents.
   D. It was the largest animal of its time.
4. What did the coal found in Antarctica suggest?
   A. Antarctica was once covered by even thicker glaciers than it has today.
   B. People once lived and farmed in Antarctica.
  *C. Antarctica was once warmer and in a different position.
   D. Coal can form in freezing conditions.
5. What was the main reason most geologists rejected continental drift?
   A. Wegener had no evidence of any kind to support it.
  *B. He could not explain how continents could move.
   C. Wegener refused to publish his ideas in a book.
   D. Fossils showed that the continents had never been joined.
6. How did geologists who rejected drift explain the matching fossils?
   A. By saying that the fossils were fakes
   B. By saying the animals had swum from one continent to another
  *C. By imagining land bridges that later sank
   D. By saying glaciers had carried the fossils across the ocean
7. What did Marie Tharp discover?
   A. Fossils of Glossopteris buried deep in the ice of Antarctica
  *B. A deep valley along the center of the Mid-Atlantic Ridge
   C. The cause of Earth's magnetic field
   D. The first accurate map of Pangaea
8. How did the magnetic stripes support seafloor spreading?
   A. The stripes showed that continents plow through the seafloor like ships through ice.
  *B. The stripes on the two sides of a ridge were mirror images.
   C. The stripes proved that Earth's magnetic field has never changed direction.
   D. The stripes were found only on land, far from any ocean.
9. How does plate tectonics differ from Wegener's original idea?
  *A. Continents ride along as parts of moving plates.
   B. It says that the continents have never moved at all.
   C. It says the continents move many meters every year.
   D. It says that Pangaea never existed.
10. What lesson does the final paragraph draw from Wegener's story?
   A. Scientists should never question ideas that most experts accept.
   B. Evidence alone is always enough to prove a theory true.
  *C. A good idea needs evidence and an explanation of how it works.
   D. People from outside a field are usually wrong about it.
