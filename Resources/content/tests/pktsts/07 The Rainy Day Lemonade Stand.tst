1. Why did Eli want to raise money?
   A. To buy a new bicycle
   B. To pay for a class trip
   C. To buy a present for his grandma
  *D. To help the animal shelter buy blankets and food
2. What problem did Eli and Jada have on Saturday morning?
  *A. It was cold and rainy, so nobody stopped to buy lemonade
   B. They ran out of lemons
   C. Their sign blew away in the wind
   D. Eli's dad would not let them set up the stand
3. How much money was in the jar after the first hour?
   A. Nothing at all
   B. Five dollars
  *C. Two dollars, both from Eli's dad
   D. Fifty dollars
4. What gave Eli the idea to sell hot cocoa?
   A. A customer asked for something warm
  *B. He thought about what he would want on a cold day, like the cocoa his grandma made
   C. Jada's mother brought them cocoa
   D. He saw another stand selling cocoa
5. Why did Eli's dad heat the milk?
   A. Eli did not know how to make cocoa
   B. Jada did not like the taste of cocoa
   C. The stove in the house was broken
  *D. Eli and Jada were not allowed to use the stove alone
6. Why did Jada want to move the stand to the bus stop?
   A. The bus stop was closer to the animal shelter
  *B. Many cold, wet people were waiting there with nothing to do
   C. The bus driver had asked them to come
   D. It had stopped raining at the corner
7. What does the woman in the green raincoat mean when she calls Eli and Jada "lifesavers"?
   A. They had saved her from a flood
   B. They worked as swimming guards
  *C. The warm cocoa made her cold, wet morning much better
   D. They had found something she lost
8. How much money did Eli and Jada raise in all?
   A. Fifty dollars
   B. Forty dollars
   C. Seventy-five dollars
  *D. Fifty-seven dollars
9. What is the main lesson of the story?
  *A. When a plan does not work, you can change it
   B. Lemonade is the best thing to sell
   C. It is better not to start a project in the fall
   D. Animal shelters do not need help in the winter
