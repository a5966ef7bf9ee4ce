1. The main idea of the passage is that
   A. artists should leave their works unfinished in order to seem profound.
  *B. some unfinished works of art are valued for qualities that finished works cannot offer.
   C. Michelangelo's unfinished sculptures are better than his finished ones.
   D. most unfinished works of art are failures that should be forgotten.
2. The author begins the passage by describing the sculptures in Florence primarily in order to
   A. provide a history of the pope's tomb.
   B. criticize Michelangelo for failing to finish his work.
  *C. introduce a puzzling reaction that the rest of the passage tries to explain.
   D. compare sculpture unfavorably with music.
3. According to the passage, one reason unfinished works appeal to viewers is that they
  *A. reveal the process by which the work was made.
   B. are usually larger than finished works.
   C. were created by artists who lacked skill.
   D. are easier to understand than finished works.
4. As used in the third paragraph, "conceals" most nearly means
   A. protects.
   B. improves.
   C. reveals.
  *D. hides.
5. The discussion of Schubert's symphony mainly supports the idea that
   A. composers of the period often abandoned their work.
   B. the missing movements of the symphony have been found.
   C. music is a more perfect art than sculpture.
  *D. an unfinished work can invite listeners to imagine what is missing.
6. The author's description of the basilica in Barcelona suggests that its incompleteness
   A. is a source of embarrassment to the city.
  *B. has made it a collaboration among many generations.
   C. shows that Gaudi did not plan his work carefully.
   D. has caused construction to stop permanently.
7. In the sixth paragraph, the author's main purpose is to
   A. argue that unfinished works are always superior.
   B. describe how artists decide when a work is finished.
  *C. acknowledge the limits of the argument and prevent a misunderstanding.
   D. introduce a new example of an unfinished masterpiece.
8. Which choice provides the best evidence that the author believes the value of a fragment depends partly on the rest of an artist's work?
   A. "Most unfinished work is unfinished because it was not going well..."
  *B. "The unfinished works that move us are, almost without exception, the work of artists whose finished work we also admire..."
   C. "The painter who signs a canvas has chosen, among endless possible further changes, to make none."
   D. "Visitors often find them more moving than the polished masterpieces elsewhere in the same building."
9. As used in the sixth paragraph, "sentimental" most nearly means
  *A. too governed by feeling rather than judgment.
   B. deeply grateful.
   C. remembering the past accurately.
   D. sad and lonely.
10. The final sentence of the passage mainly serves to
  *A. connect the appeal of unfinished art to the reader's own experience.
   B. suggest that the sculptures in Florence will one day be completed.
   C. argue that people should try to become more like statues.
   D. return to the history of the pope's tomb.
