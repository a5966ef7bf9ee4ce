1. Which choice best summarizes the passage?
   A. A young woman quits her job at a telephone exchange after a difficult night.
  *B. During a snowstorm, a young telephone operator comes to see her job as far more important than she had believed.
   C. A doctor struggles to reach a patient because the town's telephones have stopped working.
   D. Two telephone operators argue about the best way to handle emergency calls.
2. At the beginning of the passage, Nora regards her job mainly as
  *A. simple, repetitive work that leaves time for other interests.
   B. exhausting work that she hopes to leave soon.
   C. an important public duty she takes very seriously.
   D. a confusing task she has not yet learned to do well.
3. Nora's comparison of the switchboard to "a very simple piano" mainly emphasizes her belief that
   A. the switchboard is beautiful to look at.
   B. she would rather be a musician.
  *C. the work requires no real thought.
   D. the ringing patterns are difficult to memorize.
4. As used in the third paragraph, "nerves" most nearly refers to
   A. feelings of anxiety.
   B. acts of courage.
   C. weaknesses.
  *D. a system that carries signals throughout a body.
5. What allows Nora to reach Doctor Reyes after his home line fails?
   A. The lineman repairs the wire to his house.
  *B. She remembers that his wife said he would be at the church hall.
   C. Mr. Halloran tells her where the doctor has gone.
   D. The doctor calls the exchange to check for messages.
6. Which choice provides the best evidence for the answer to the previous question?
   A. "There was no answer. She rang again and heard, on the other end, only the hollow silence of a dead line..."
   B. "When Doctor Reyes came on, calm and unhurried, he listened, asked three questions..."
   C. "The Kovals, who lived a quarter mile from the church, kept a pair of draft horses..."
  *D. "Then she remembered that the doctor's wife had called that evening, before the snow grew heavy..."
7. The detail that Nora "for once" did not mind neighbors listening in on the party line suggests that
   A. she had decided to report the neighbors to Mrs. Abernathy.
   B. the neighbors were interfering with the emergency calls.
  *C. on this night the listening reflects a community's shared concern rather than mere curiosity.
   D. she had never known before that neighbors could listen in.
8. Mr. Halloran's remark "I can hear them breathing" mainly shows that
  *A. many neighbors have been quietly following the events of the night.
   B. the telephone line is damaged and noisy.
   C. Mr. Halloran is too tired to speak clearly.
   D. the baby is having trouble breathing.
9. Mrs. Abernathy's response when she reads the logbook, making tea without speaking, most likely indicates
   A. disappointment that Nora did not call her for help.
   B. indifference to what happened during the night.
   C. annoyance that Nora did not finish her book.
  *D. quiet recognition and approval of Nora's work.
10. The final paragraph mainly serves to
   A. introduce a new problem that Nora must solve.
   B. describe the physical layout of the switchboard in detail.
  *C. show that Nora now understands what Mrs. Abernathy meant.
   D. suggest that Nora will soon leave Millbrook to travel.
