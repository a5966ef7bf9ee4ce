1. Who sent Leo the kite kit?
   A. His grandfather
   B. His teacher
  *C. His aunt
   D. The man in the park
2. What mistake did Leo make when he built the kite?
  *A. He did not read the directions
   B. He used the wrong kind of string
   C. He broke one of the sticks
   D. He built it outside in the wind
3. What happened each time Leo tried to fly the kite at first?
   A. The string snapped and the kite blew away
   B. The kite got stuck in a tree
   C. The kite would not leave the ground at all
  *D. The kite spun in circles and fell to the ground
4. Why did Leo's face feel hot after the fifth try?
   A. He had a fever
  *B. He was tired and upset that the kite would not fly
   C. He had been sitting in the sun too long
   D. He was embarrassed because people were laughing at him
5. According to the man on the bench, what does a tail do for a kite?
   A. It makes the kite fly faster
   B. It makes the kite easier to see
  *C. It keeps the kite steady so it does not spin
   D. It keeps the string from tangling
6. Where was the ribbon that came in the box?
   A. In Leo's pocket
   B. Under the park bench
   C. Tied to the kite string
  *D. On the kitchen table at home
7. How did Ruby help solve the problem?
   A. She ran home to get the ribbon
  *B. She gave Leo the ribbon from her hair
   C. She held the kite while Leo ran
   D. She asked the man to fix the kite
8. The story says the tail waved "like a happy snake." What does this show?
  *A. The tail was moving smoothly and the kite was flying well
   B. Ruby was afraid of snakes
   C. The tail was green and long
   D. The kite was about to crash again
9. What lesson did Leo learn?
   A. Kites only fly on days with no wind
   B. It is better to fly a kite alone
   C. Store-bought kites never work
  *D. It helps to read the directions and to accept help from others
