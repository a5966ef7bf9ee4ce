1. How were most European books produced before Gutenberg?
   A. On large wooden machines in city workshops
   B. By pressing letters into clay tablets
  *C. By hand, often by scribes working in monasteries
   D. With metal type from Korea
2. What was the main drawback of carved wooden printing blocks?
   A. They could print only in color.
  *B. Carving took a long time, and each block printed only one page.
   C. They were so heavy that it took several workers to lift each one.
   D. They could not print pictures.
3. What was Gutenberg's great idea?
   A. A new kind of paper made from stretched and dried animal skin
   B. A quill pen that never needed refilling
  *C. Metal letters that could be arranged and reused
   D. A faster way to carve blocks
4. Why did each piece of type have to be made backward?
   A. To use less metal in casting each letter
   B. Because German was written from right to left at the time
   C. To make copying harder
  *D. So that it would print the right way around
5. Why was Gutenberg's hand mold important?
   A. It pressed the paper more firmly.
  *B. It cast letters of exactly the same height, so pages printed evenly.
   C. It mixed the ink.
   D. It shaped letters out of baked clay, the way Bi Sheng had done.
6. Why did Gutenberg need a new kind of ink?
  *A. Water-based ink did not stick well to metal.
   B. Water-based ink cost far too much for a small workshop.
   C. The scribes would not sell him ink.
   D. The city of Mainz banned water-based ink.
7. Where did the idea for Gutenberg's press come from?
   A. Machines used to cast church bells
   B. Looms used to weave cloth
   C. Water mills used to grind grain into flour for the city's bakers
  *D. Presses used to squeeze grapes and olives
8. What happened after Gutenberg borrowed money from Johann Fust?
  *A. Fust won a court case and took much of the workshop.
   B. The two men became partners and grew rich.
   C. Fust moved the whole workshop to another country to escape from his own debts.
   D. Fust gave the Bibles away.
9. What does the passage say about movable type outside Europe?
   A. Gutenberg copied it from Chinese books.
  *B. It had been invented earlier in China, and printers in Korea used metal type.
   C. It had never been used anywhere before.
   D. It was invented in Korea after Gutenberg died.
10. Which best states the main idea of the last part of the passage?
   A. Gutenberg became rich and famous during his lifetime.
   B. Printing made books more expensive, so fewer people learned to read than before.
  *C. Printing spread quickly and helped knowledge spread too.
   D. Readers preferred handwritten books.
