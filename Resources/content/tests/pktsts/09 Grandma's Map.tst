1. How did Lucia feel about the yellow house at the beginning of the story?
   A. She loved it because it had a big backyard
  *B. It felt like a stranger's house, and she missed her old home
   C. She was afraid of the attic
   D. She was excited because her best friend lived nearby
2. Who had drawn the map that Lucia found?
   A. Lucia's dad, when he was a boy
   B. Mr. Pell, the candy store owner
  *C. Lucia's grandma, when she was ten
   D. A stranger who had once lived in the house
3. What had happened to Mr. Pell's Candy Store?
   A. It had moved to the end of the block
   B. It was closed and boarded up
   C. It had become a bigger candy store
  *D. It had been replaced by a shop that fixed cell phones
4. How did Mateo figure out where Frog Creek had gone?
  *A. He noticed a metal grate and heard water running in a pipe below the road
   B. He saw frogs hopping across the street
   C. He asked a neighbor who had lived there a long time
   D. He found the creek behind the park
5. Why was the oak tree called "Old Grumpy"?
   A. Its branches scratched anyone who climbed it
   B. It was the oldest tree in Arizona
  *C. A knot in its trunk looked like a frowning face
   D. Mr. Pell did not like children playing near it
6. How did Lucia feel when she touched the bark of Old Grumpy?
   A. Disappointed that the tree was so small
  *B. Connected to her family for the first time in the new place
   C. Worried that they would get lost
   D. Bored because the map was too easy
7. Where was the tin box hidden?
   A. Under the floor of the attic
   B. In a hole at the bottom of Old Grumpy
   C. Buried under the grate near the creek
  *D. Behind a loose stone in the wall along the back fence
8. Which item was NOT in the tin box?
   A. Six glass marbles
   B. A blue hair ribbon
   C. A photograph of a girl
  *D. A gold coin
9. Why did Lucia put her own note in the tin before hiding it again?
  *A. She wanted to join in Grandma's tradition and feel that she belonged there too
   B. Her dad told her she had to
   C. She wanted to trick Mateo
   D. She planned to dig it up the next day
10. What does the last sentence of the story show?
   A. The house had been repaired and no longer creaked
   B. Lucia had become afraid of the noises
  *C. Lucia now felt at home in the yellow house
   D. Lucia was moving away again
