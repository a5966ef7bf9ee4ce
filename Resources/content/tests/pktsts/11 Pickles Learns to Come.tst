1. Where did Jonah's family get Pickles?
   A. From a pet store
  *B. From a shelter
   C. From Mrs. Delgado
   D. From a farm near the park
2. What was unusual about Pickles's ears?
   A. Both ears were very long and floppy
   B. He had white spots on both ears
  *C. One ear stood straight up and the other flopped over
   D. One ear was much smaller than the other
3. What happened when Jonah shouted at Pickles and scolded him?
   A. Pickles ran straight to him
   B. Pickles barked back at him
   C. Pickles dug a hole under the fence
  *D. Pickles hid under the porch for an hour
4. According to Mrs. Delgado, why did Pickles not want to come?
  *A. When he came to Jonah, he got in trouble
   B. He could not hear well with his floppy ear
   C. He was too old to learn new things
   D. He did not like the backyard
5. Which of these was NOT part of Mrs. Delgado's advice?
   A. Use tiny treats and a happy voice
   B. Keep the lessons short
  *C. Practice for an hour at a time so the dog remembers
   D. Never call the dog to scold him
6. Why did Jonah start the new training inside the house?
  *A. There was nothing exciting there to distract Pickles
   B. Mrs. Delgado could watch him through the window
   C. It was raining outside
   D. Pickles was not allowed in the backyard anymore
7. What did Jonah use the chart on the refrigerator for?
   A. To write down how much Pickles ate
  *B. To draw a star each time Pickles came on the first call
   C. To list the tricks his friends' dogs could do
   D. To plan trips to the park
8. Why did Jonah jog away from Pickles at the park instead of chasing him?
   A. He wanted to get away from the muddy pond
   B. He was trying to catch the squirrel himself
  *C. Chasing makes a dog think it is a game, but moving away makes the owner interesting
   D. His dad told him to go get help
9. The story says Jonah's "first instinct" was to yell and run. What does "instinct" mean here?
   A. A plan he had written down
   B. A rule his parents gave him
   C. A lesson he learned from a book
  *D. A quick, natural reaction without thinking
10. What is the main lesson of the story?
  *A. Patience and kindness work better than shouting when teaching something new
   B. Dogs from shelters can never be trained
   C. Squirrels are dangerous to dogs
   D. Parks are not good places for dogs
