1. Why did Priya first think the debate would be easy?
   A. She had won every debate she had ever entered.
   B. Marcus had written their speech.
   C. Ms. Brennan had told her the topic ahead of time.
  *D. She already had strong opinions in favor of a park.
2. Why did Ms. Brennan put Priya on the side she disagreed with?
   A. She wanted Priya to lose.
  *B. She believed a good debater must understand the other side well enough to argue it honestly.
   C. There were not enough students on the parking side, so someone had to switch.
   D. Priya had asked for that side.
3. Why was Priya's first research a "poor job"?
   A. She did not use the library.
  *B. She found mostly advertisements.
   C. She wrote far too much.
   D. She copied the notes that her opponents had left on a desk in the classroom.
4. What did Marcus suggest they do instead?
   A. Ask Ms. Brennan to switch them to the park side of the debate
   B. Watch videos of famous debates
  *C. Talk to the people who actually wanted the parking lot
   D. Visit a park in another city
5. What was Mr. Okonkwo's main concern?
  *A. His customers could not find parking and often gave up.
   B. He disliked trees and parks.
   C. He wanted to buy the rail yard himself and build a bigger shop on it.
   D. Delivery trucks blocked the door of his shop every morning.
6. What does the sentence "those problems had faces" suggest?
   A. Priya drew pictures of the people she interviewed.
  *B. The problems felt real once she had met the people affected by them.
   C. The people hid their faces.
   D. Priya felt embarrassed about asking strangers questions on a busy street.
7. Which was NOT one of the three arguments Priya and Marcus used?
   A. Small businesses were losing customers.
   B. People with limited mobility needed parking close to the clinic.
   C. Double-parked trucks made the street unsafe.
  *D. Parking lots are more beautiful than parks.
8. How had Priya's view changed by the end of the story?
  *A. She still wanted a park but saw the real question as how to help everyone who used the street.
   B. She decided that parking lots are always better than parks.
   C. She decided debates are pointless.
   D. She stopped caring about the rail yard.
9. What did the four students do after the debate?
   A. They held a second debate with the sides switched so that everyone could argue the opposite view.
   B. They started a petition for a garage.
   C. They asked Mr. Okonkwo to move.
  *D. They sent the city council a plan that combined a park with a small parking area.
10. What does Priya's reminder, "Find out why they think that," show about her?
   A. She plans to prove her opponents wrong.
   B. She has given up all of her own opinions and now agrees with everyone she meets.
  *C. She has learned to seek out other people's reasons.
   D. She wants to join the city council so that she can decide such questions herself.
