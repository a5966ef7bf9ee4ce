1. The main purpose of Passage 1 is to
   A. describe the history of public libraries.
   B. criticize libraries for buying too few books.
  *C. argue that libraries should preserve quiet spaces for sustained thought.
   D. propose new activities that libraries could offer.
2. The author of Passage 1 begins with a memory from age fifteen mainly in order to
  *A. illustrate through personal experience the value of a silent library.
   B. show that the author was an unusually gifted student.
   C. explain why the author later became a librarian.
   D. suggest that teenagers no longer enjoy reading.
3. In Passage 1, the phrase "a public room of one's own" suggests that a quiet library
   A. should be available only to people who pay for membership.
   B. is mainly useful for people who already have private offices.
   C. should be divided into individual rooms that can be rented.
  *D. gives people without private space a place for undisturbed thought.
4. As used in Passage 1, "sustained" most nearly means
   A. supported.
  *B. prolonged.
   C. nourished.
   D. confirmed.
5. The author of Passage 2 mentions books "chained to the desks" in order to
   A. show that early libraries were more secure than modern ones.
   B. criticize librarians of the past for mistrusting readers.
  *C. support the claim that libraries have changed a great deal over time.
   D. explain why many valuable books have survived.
6. According to Passage 2, many people today visit libraries in order to
   A. avoid paying for books they could buy.
  *B. use computers and get help with tasks such as applying for jobs.
   C. attend lectures given by famous authors.
   D. find quiet places to sleep during the day.
7. Which choice provides the best evidence that the author of Passage 2 does not want to eliminate quiet spaces?
   A. "People who mourn the passing of the silent library often imagine that they are defending a timeless tradition."
   B. "Those needs have changed again."
   C. "These are not distractions from the library's mission."
  *D. "A well-designed library can include a silent reading room as easily as it can include a noisy children's corner..."
8. How would the author of Passage 2 most likely respond to the claim in Passage 1 that libraries have "given up" silence in becoming more active?
   A. By agreeing that libraries should stop offering classes and events
   B. By arguing that silence has never been valuable in a library
  *C. By suggesting that the problem lies in poor design rather than in offering many services
   D. By claiming that most library visitors prefer noise to quiet
9. Both authors would most likely agree that
  *A. libraries serve an important role for people who lack resources elsewhere.
   B. the silent reading room is an ancient tradition.
   C. libraries should stop changing with the times.
   D. community events are the main purpose of a library.
10. Which choice best describes the relationship between the two passages?
   A. Passage 2 provides historical evidence that supports the main claim of Passage 1.
   B. Passage 2 tells a personal story that contradicts the statistics in Passage 1.
   C. Both passages argue that libraries should become community centers.
  *D. Passage 2 challenges the premise of Passage 1 while accepting part of its concern.
