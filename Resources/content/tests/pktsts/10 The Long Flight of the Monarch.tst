1. Where do monarchs from eastern North America spend the winter?
   A. Along the coast of California
   B. In the forests of northern Canada
  *C. In mountain forests in central Mexico
   D. In the fields of Texas
2. Which of these shows the four stages of a monarch's life in the correct order?
   A. Caterpillar, egg, butterfly, chrysalis
  *B. Egg, caterpillar, chrysalis, butterfly
   C. Chrysalis, egg, caterpillar, butterfly
   D. Egg, chrysalis, caterpillar, butterfly
3. What is the only plant monarch caterpillars can eat?
   A. Fir needles
   B. Clover
   C. Sunflowers
  *D. Milkweed
4. Why do birds usually leave monarchs alone?
  *A. Monarchs store a bitter poison from milkweed that makes them taste terrible
   B. Monarchs fly too high for birds to reach
   C. Monarchs can sting like bees
   D. Birds cannot see the color orange
5. In this article, what does the phrase "acts like a warning sign" suggest about the monarch's orange color?
   A. It helps the butterfly stay warm in the mountains
   B. It helps other monarchs find milkweed
  *C. It tells predators that the butterfly is not good to eat
   D. It shows that the butterfly is ready to lay eggs
6. What makes the "super generation" different from monarchs born earlier in the summer?
   A. They are much larger and brighter
   B. They never leave the milkweed plant where they hatched
   C. They lay eggs as soon as they become butterflies
  *D. They save their energy for the trip south and can live up to eight months
7. Why is it surprising that monarchs can find their way to Mexico?
   A. They fly only at night when it is dark
  *B. The butterflies flying south have never made the trip before
   C. They have no eyes
   D. They travel alone instead of in groups
8. According to the article, what do monarchs use to find their direction?
   A. The smell of the ocean
   B. Signals from other animals
  *C. The position of the sun, along with a kind of internal clock
   D. Maps of rivers and roads
9. Why do scientists put tiny stickers on monarch wings?
   A. To make the butterflies easier for birds to see
   B. To help the butterflies fly faster
   C. To protect the wings from rain
  *D. To learn where a butterfly started when it is found later
10. What is one way people are helping monarchs today?
  *A. Planting milkweed in gardens and along roadsides
   B. Keeping monarchs in cages during the winter
   C. Cutting down fir trees in Mexico
   D. Feeding monarchs to birds
