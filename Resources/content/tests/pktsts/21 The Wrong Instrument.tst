1. Why did Kenji want to play the trumpet?
  *A. He had loved a trumpet player he saw in the park at age six.
   B. His older brother played the trumpet.
   C. Mr. Alvarez had told him that his lips were the right shape for a trumpet.
   D. He thought it would be light to carry.
2. Why was Kenji given the tuba?
   A. He checked "tuba" by accident.
   B. The school had run out of trumpets.
   C. His sister had secretly told Mr. Alvarez that he wanted to play the tuba.
  *D. The band needed one, and he had agreed to play anything the band needed.
3. What does the detail about Kenji checking the box "without reading carefully" suggest about him?
  *A. He sometimes rushes without paying attention.
   B. He has trouble reading.
   C. He had secretly wanted the tuba from the start.
   D. He was trying to trick Mr. Alvarez into giving him a special instrument.
4. What advice helped Kenji play his first good note?
   A. Blow as hard and fast as possible.
   B. Press his lips tightly against the mouthpiece.
   C. Take tiny, quick breaths between each note and keep his cheeks puffed out.
  *D. Use a wide, slow, warm stream of air, as if fogging up a window.
5. Why did Kenji feel "a little invisible" in rehearsals?
   A. He sat behind a tall curtain.
   B. Mr. Alvarez never once spoke to him or looked his way during practice.
  *C. Others played the melody; his part was a plain bass line.
   D. He was often late.
6. What went wrong during the march at the winter concert?
   A. Kenji's tuba got stuck and would not make a sound.
   B. The lights went out.
   C. Mr. Alvarez dropped his baton and had to stop the band in the middle of the piece.
  *D. The percussion lost its place, and the band began to fall apart.
7. How did Kenji help the band?
   A. He played the melody louder than the trumpets.
   B. He waved at the drummer.
  *C. He kept playing steadily on the beat for others to follow.
   D. He stopped playing so that everyone could hear the clarinets and find their place.
8. What does Mr. Alvarez mean when he says "the bass tells everybody where home is"?
   A. The tuba player tells everyone when rehearsal is over.
  *B. The bass gives the band a steady foundation.
   C. The bass is always the loudest instrument, so the audience hears it most clearly.
   D. Bass notes are easy to hum.
9. Why does Kenji decide to stay with the tuba?
   A. He thinks he is too far behind to learn the trumpet now.
  *B. He has come to value the tuba and the way it supports the whole band.
   C. Mr. Alvarez will not let him switch.
   D. The trumpet seat is taken.
