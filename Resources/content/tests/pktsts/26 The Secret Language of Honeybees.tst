1. What problem does a forager bee face when she finds a rich patch of flowers?
  *A. She must tell the other bees where the flowers are.
   B. She cannot carry any pollen home because her body is already full of nectar.
   C. She often forgets the way back to the hive after flying several kilometers.
   D. Other colonies try to take the flowers.
2. What does the term "superorganism" suggest about a honeybee colony?
   A. It is made up of unusually large bees.
   B. Each bee can survive on its own for many years.
  *C. Its members cooperate so closely that it acts almost like one living thing.
   D. It contains several queens who share power equally and take turns laying eggs.
3. Which job does a worker bee usually take on last in her life?
  *A. Foraging outside
   B. Cleaning cells
   C. Feeding larvae
   D. Building comb with wax from her own body
4. How did Karl von Frisch study bee communication?
   A. By opening hives and counting every bee inside them
   B. By recording sounds at night
   C. By following bees on foot
  *D. By setting out sugar water, marking bees with paint, and watching glass-walled hives
5. What does a round dance tell the other bees?
  *A. That food is nearby and they should search for it
   B. The exact direction to a distant field
   C. That the hive is under attack and the guards need help at the entrance
   D. That the queen needs to be fed by the nurse bees right away
6. In the waggle dance, what does the direction of the waggle run show?
   A. How much nectar the flowers hold
   B. How many more days the flowers will keep blooming before they fade
   C. How far away the food is
  *D. Where the food lies compared with the sun
7. If a bee waggles straight downward on the comb, where is the food?
   A. Directly toward the sun
  *B. Directly away from the sun
   C. Very close to the hive, within a few meters of the entrance
   D. Underground, beneath the hive itself
8. What does the length of the waggle run communicate?
   A. The kind of flower the dancer visited
   B. The dancer's age
   C. The time of day
  *D. How far away the food is
9. Why do worker bees fan their wings over cells of nectar?
   A. To keep the queen and the young larvae cool on hot summer days
  *B. To evaporate water so the nectar becomes honey
   C. To signal the other bees that it is time to begin dancing
   D. To spread the flowers' scent
10. According to the final paragraph, why does understanding bees matter to people?
   A. Bees can be trained to carry messages.
   B. Bees produce most of the wax used in the world for candles and polish.
  *C. Bees pollinate many crops that people depend on.
   D. Bee dances predict the weather.
