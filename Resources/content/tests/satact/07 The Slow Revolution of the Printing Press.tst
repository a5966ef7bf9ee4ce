1. The author's central claim is that the printing press
   A. had far less influence on European history than is commonly believed.
   B. was invented by someone other than Johannes Gutenberg.
  *C. transformed society gradually over a long period rather than all at once.
   D. caused scribes to lose their jobs almost immediately.
2. The first paragraph mainly serves to
  *A. present a widely accepted account that the author will go on to complicate.
   B. prove that Gutenberg's invention was entirely original.
   C. describe the daily work of a fifteenth-century printer.
   D. argue that the scientific revolution had nothing to do with printing.
3. According to the passage, early printed books resembled manuscripts mainly because
   A. printers did not know how to make title pages.
  *B. printers were selling to buyers who expected books to look a certain way.
   C. laws required printed books to imitate handwriting.
   D. scribes were hired to design every printed book.
4. As used in the third paragraph, "apt" most nearly means
   A. likely.
   B. quick.
   C. intelligent.
  *D. fitting.
5. Which choice provides the best evidence that printing was a risky business?
   A. "Their typefaces imitated the handwriting of scribes."
   B. "In the fifteenth century, only a small fraction of Europeans could read..."
  *C. "A printer who misjudged the demand for a book could be ruined, and many were."
   D. "Collectors today call books printed before 1501 incunabula..."
6. The author mentions scribes who copied printed books by hand in order to show that
  *A. the old and new methods of making books existed side by side for some time.
   B. printed books contained many errors that had to be corrected.
   C. scribes refused to accept the new technology.
   D. handwritten books were cheaper than printed ones.
7. The discussion of Martin Luther primarily serves to
   A. show that religious writers were the first to use printing.
   B. argue that Luther's ideas were more important than the printing press.
   C. prove that printing spread quickly from its very beginning.
  *D. illustrate that a sudden burst of printing depended on decades of slower development.
8. It can reasonably be inferred that the author would caution people evaluating a recent invention to
   A. assume that it will have no lasting effect on society.
  *B. avoid concluding too early that it has failed to change the world.
   C. credit its inventor alone with any changes it brings.
   D. reject it if it does not replace older methods within a few years.
9. As used in the sixth paragraph, "profound" most nearly means
   A. mysterious.
  *B. far-reaching.
   C. intellectual.
   D. serious-minded.
10. Which choice best describes the organization of the passage?
   A. A chronological biography of an inventor from childhood to death
   B. A comparison of two inventions followed by a judgment about which was better
  *C. A familiar account, a series of reasons to qualify it and a lesson drawn for the present
   D. A list of technical improvements followed by a description of their costs
