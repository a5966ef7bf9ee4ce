1. What is the only hard part of an octopus's body?
   A. Its eight arms
  *B. Its beak
   C. Its suckers
   D. Its head
2. Why can an octopus squeeze through very small spaces?
   A. It can make its arms shorter
   B. It has very small bones
  *C. It has no bones, so its soft body can fit wherever its beak fits
   D. It pushes rocks out of the way with its suckers
3. What surprising thing can an octopus's suckers do?
  *A. Taste
   B. See
   C. Make ink
   D. Change the water temperature
4. How does an octopus hide from other animals?
   A. It digs a hole in the sand
   B. It swims to the top of the water
   C. It makes a loud noise
  *D. It changes the color and bumps of its skin to match what is around it
5. What does an octopus do when a hungry shark comes near?
   A. It plays dead on the ocean floor
   B. It grabs the shark with its suckers
  *C. It shoots out a cloud of dark ink and jets away
   D. It calls other octopuses for help
6. Which of these is a fact from the article?
   A. An octopus has red blood and one heart
  *B. An octopus has blue blood and three hearts
   C. An octopus has green blood and two hearts
   D. An octopus has no blood at all
7. The article says octopuses are "clever." Which example best shows this?
  *A. Some have learned to twist open jar lids to get food
   B. They have eight arms
   C. They eat crabs and clams
   D. They live for only one or two years
8. What is a den?
   A. A kind of seaweed
   B. A group of octopuses
   C. A cloud of ink
  *D. A small space between rocks where an octopus rests
9. How does a mother octopus care for her eggs?
   A. She carries them on her back
  *B. She guards them, keeps them clean, and blows fresh water over them
   C. She hides them in a cloud of ink
   D. She buries them in the sand and swims away
