1. Where did Maya live?
   A. In a tall apartment building in a big city
  *B. On a small farm at the edge of town
   C. In a house next to the ocean
   D. In a cabin deep in the woods
2. Why did Grandpa keep only one pumpkin on the vine?
  *A. So all the water and food from the plant would go to that one pumpkin
   B. So the other pumpkins could be sold at the market
   C. Because the other pumpkins were a different color
   D. Because there was no room for more pumpkins in the garden
3. What name did Maya give the pumpkin?
   A. Buddy
   B. Big Red
   C. Pumpkin Pete
  *D. Bubba
4. What did Maya put under the pumpkin so it would not rot?
   A. A pile of dry straw
   B. A wooden board
  *C. An old blanket
   D. A plastic tray
5. What did Maya and Grandpa do on the night of the storm?
   A. They covered the pumpkin with a tarp and tied it down
  *B. They checked the vine with a flashlight and moved a branch
   C. They carried the pumpkin into the barn
   D. They watched the storm from the window and went back to bed
6. How did the pumpkin get into the truck?
   A. Grandpa lifted it by himself
   B. Maya and her mom carried it together
   C. A machine at the fair picked it up
  *D. Four neighbors helped roll it onto a board and slide it in
7. What prize did Bubba win?
  *A. Third place and a yellow ribbon
   B. First place and a blue ribbon
   C. Second place and a red ribbon
   D. A prize for the most unusual shape
8. The story says Maya's "heart sank a little" when she saw the other pumpkins. What does this mean?
   A. She felt excited
   B. She felt sick from eating pie
  *C. She felt disappointed
   D. She felt angry at the judges
9. What did Maya care about most at the end of the story?
   A. Getting her picture in the town paper
  *B. The time she spent growing the pumpkin with Grandpa
   C. Winning first place next year no matter what
   D. Selling the pumpkin for money
