1. Who was Ada Lovelace's father?
   A. Charles Babbage, the inventor
  *B. Lord Byron, a famous poet
   C. Augustus De Morgan, a mathematician
   D. William King, the Earl of Lovelace
2. According to some historians, why might Lady Byron have insisted that Ada study mathematics?
   A. She wanted Ada to become a banker
   B. She needed help with her own calculations
  *C. She hoped logic and discipline would steer Ada away from her father's dramatic temperament
   D. Mathematics was the only subject taught to girls at the time
3. What did Ada's plan for a book called "Flyology" show about her as a child?
  *A. She had a lively imagination and a scientific curiosity
   B. She was afraid of heights
   C. She wanted to be a poet like her father
   D. She disliked studying mathematics
4. What problem was the Difference Engine meant to solve?
   A. Weaving patterns into cloth was too slow
   B. Ships had no way to find their direction at sea
   C. Letters took too long to deliver
  *D. Mathematical tables calculated by hand were often full of errors
5. How did Ada's reaction to the Difference Engine differ from that of many other visitors?
   A. She was frightened by its noise
   B. She thought it was useless
  *C. She was fascinated by how it worked rather than simply amused
   D. She wanted to buy it for her mother
6. In the Analytical Engine, what was the "store"?
   A. The shop where the machine would be sold
  *B. The part where numbers were kept, like a computer's memory
   C. The part that carried out calculations
   D. The box that held the punched cards
7. What idea did Babbage borrow from the Jacquard loom?
   A. Using brass gears to turn wheels
   B. Powering machines with steam
   C. Printing results on paper
  *D. Using punched cards to give instructions to a machine
8. Why did Ada's "Notes" become so important?
   A. They were the first article ever written in English about science
   B. They proved that the Analytical Engine had been built
  *C. They included a step-by-step method for the engine to calculate Bernoulli numbers and a vision of its wider uses
   D. They corrected mistakes in Babbage's lecture in Italy
9. What was Ada's most forward-looking idea about the Analytical Engine?
  *A. It could work with any information that could be written as symbols, such as music, not just numbers
   B. It could think and create original ideas on its own
   C. It could be built cheaply with simple tools
   D. It would replace all teachers of mathematics
10. Why was the Analytical Engine never built?
   A. Ada refused to let Babbage use her notes
   B. The government banned the machine
   C. Babbage lost interest in mathematics
  *D. Babbage lacked money and the precise parts were very hard to make at the time
