1. Why was the voyage from New York to San Francisco so long before the canal opened?
   A. Ships had to stop often for fuel.
   B. Ships had to cross the frozen waters of the Arctic Ocean.
  *C. Ships had to sail around the southern tip of South America.
   D. Ships were banned near Panama.
2. What was the main flaw in Ferdinand de Lesseps's plan?
   A. He chose a route through Egypt.
   B. He refused to hire enough workers to dig during the long rainy season.
  *C. He tried to dig a sea-level canal, as at Suez, through rainy, mountainous jungle.
   D. His locks were too small.
3. Besides landslides, what was the greatest problem during the French effort?
   A. Repeated attacks by pirates on the ships that brought food and tools
  *B. Disease, especially yellow fever and malaria
   C. A shortage of dynamite and steam shovels
   D. Frequent earthquakes that shook the walls of the trench loose
4. How did Panama come to sign a canal treaty with the United States?
   A. The United States bought Panama from France.
  *B. Panama declared independence from Colombia in 1903 with American support.
   C. Colombia handed Panama to the United States in exchange for money and ships.
   D. It was already American land.
5. What made William Gorgas's health campaign successful?
   A. He gave every worker a new vaccine.
   B. He moved the camps to the mountains.
   C. He halted all work during the rainy season, when disease spread fastest.
  *D. He acted on the finding that mosquitoes spread yellow fever and worked to destroy them.
6. Why was John Stevens important to the project?
   A. He discovered the cause of yellow fever.
  *B. He backed a lock canal and rebuilt the railroad to haul away rock.
   C. He signed the treaty with the new nation of Panama on behalf of the United States.
   D. He was the first to sail through the canal on the SS Ancon when it opened in 1914.
7. How did the Gatun Dam turn "the river from a problem into a solution"?
  *A. It used the Chagres River to create a lake that ships could cross.
   B. It drained the river completely.
   C. It stopped the landslides in the Culebra Cut by holding back the mud behind a wall.
   D. It powered the steam shovels.
8. How is water moved to raise a ship in the locks?
   A. Giant pumps push seawater into the chambers.
   B. Workers open the gates to let ocean waves roll in and lift the ship.
   C. Steam engines on the shore lift the ships on giant platforms.
  *D. Water flows down from Gatun Lake by gravity.
9. What was the Culebra Cut?
   A. The dam across the Chagres River
   B. The first set of locks on the Pacific side
  *C. The channel carved through the mountains of the continental divide
   D. The railroad line across the isthmus that Stevens rebuilt
10. What is the main idea of the final paragraph?
  *A. The canal grew out of many people's failures, discoveries, planning, and labor.
   B. The canal was built mainly by French engineers.
   C. The canal no longer matters to world trade now that the new locks have opened.
   D. Only the chief engineers deserve credit.
