1. What was papyrus made from?
   A. Clay from the riverbank
  *B. Thin strips of a plant that grew by the Nile River
   C. Animal skins
   D. Old fishing nets
2. Where was paper as we know it first made?
   A. In Egypt
   B. In Europe
  *C. In China
   D. In the Middle East
3. Which of these did Cai Lun use to make paper, according to the story?
   A. Clay and sand
   B. Silk and gold
   C. Bamboo and wax
  *D. Tree bark, old rags, and fishing nets
4. What are fibers?
  *A. Tiny threads found in wood that make up paper
   B. The chemicals used to cook wood chips
   C. The holes in the moving screen
   D. The heated rollers that dry the paper
5. What is pulp?
   A. The bark that is stripped off logs
   B. A giant roll of finished paper
  *C. A soft, wet mush of water and wood fibers
   D. A kind of ink used in books
6. What happens when the pulp is sprayed onto the moving screen?
   A. The fibers fall through the holes and the water stays on top
  *B. The water drains through the holes and the fibers tangle together into a mat
   C. The pulp turns into wood chips again
   D. The screen cuts the pulp into small sheets
7. What is the job of the big heated rollers?
   A. To chop the logs into chips
   B. To bleach the pulp white
   C. To wash out the ink
  *D. To dry the paper
8. Why can paper only be recycled a handful of times?
   A. The ink can never be fully washed out
  *B. Its fibers get shorter and weaker each time
   C. Recycling machines are too small
   D. Old paper turns into wood again
9. Which sentence best tells the main idea of the article?
  *A. Paper is made by separating plant fibers and pressing them together into thin sheets
   B. Cai Lun was the most important person in China
   C. Paper mills are very loud places
   D. People should stop using paper
