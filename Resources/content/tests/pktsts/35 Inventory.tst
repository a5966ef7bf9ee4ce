1. Why was this year's inventory different for Daniel?
  *A. He and his father were doing it alone.
   B. The store was closing for good at the end of the month.
   C. He was counting the cash register.
   D. His father had hired an outside company to count everything for the first time.
2. Why had Daniel been keeping the store's books since he was fifteen?
   A. His mother had stopped working at the store to care for her sister.
   B. He needed to earn money for college.
   C. The warehouse had hired his father away for a better job.
  *D. His father's eyes had begun to fail for close work.
3. What problem was the store facing?
   A. A fire had damaged the storeroom and much of the overstock.
  *B. A huge warehouse store had taken many of its customers.
   C. Its landlord was raising the rent.
   D. It could no longer get copper pipe from its suppliers.
4. How did Daniel's father already know about the scholarship?
   A. Daniel's mother had told him.
   B. The university had called the store to ask whether Daniel had received their letter.
  *C. He had seen the thick envelope and noticed how Daniel was acting.
   D. He had read the letter in Daniel's pocket.
5. What does the comparison "like a man carrying a piano up the stairs" suggest?
   A. Daniel had been helping customers carry heavy furniture out to their trucks.
  *B. Daniel seemed weighed down by something on his mind.
   C. Daniel had hurt his back lifting bags of concrete for customers.
   D. Daniel had started piano lessons.
6. What did the sketchbook reveal?
   A. Daniel's grandfather had designed the store.
   B. Daniel's mother had once been an artist who sold drawings in New York.
  *C. His father had given up studying architecture to run the store.
   D. His father had been secretly selling drawings.
7. What is the main reason Daniel's father tells him about his own past?
   A. To make Daniel feel guilty about leaving
   B. To persuade Daniel to study architecture instead of mechanical engineering
  *C. To make sure Daniel chooses freely, not out of obligation
   D. To explain the store's losses
8. How does Daniel's father seem to feel about the life he has lived?
   A. He regrets every part of it and wishes he had left town long ago.
   B. He believes it was exactly what he had always planned, from the time he was a boy.
   C. He never thinks about his choice.
  *D. He values it but wishes it had been a real choice.
9. What does "The two feelings sat side by side in him, and neither one cancelled the other" mean?
  *A. Daniel wanted to go but did not want to give up the store completely.
   B. Daniel felt nothing at all about the decision and was waiting for someone else to make it.
   C. Daniel was angry at both parents.
   D. Daniel was sure he would stay.
10. What does the tiny bridge drawn beside Daniel's signature most likely represent?
  *A. The father's blessing, linking his old dream to his son's future
   B. A plan he has made to build a real bridge over the river near the store someday
   C. A reminder that the store sells the parts for building bridges and other structures
   D. A sign that the father wants Daniel to come straight back
