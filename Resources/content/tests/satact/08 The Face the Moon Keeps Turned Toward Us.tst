1. The main purpose of the passage is to
   A. describe the first photographs of the far side of the moon.
   B. argue that the moon was once part of the Earth.
   C. explain how ocean tides affect coastal life.
  *D. explain why the moon always shows the same face to the Earth and what this process means for both bodies.
2. The example of walking around a chair is used to show that
  *A. an object can rotate once on its axis while always showing one side to what it orbits.
   B. the moon does not rotate at all.
   C. the moon's orbit is slightly oval.
   D. tidal forces stretch objects out of round.
3. According to the passage, the tidal force on the moon arises because
   A. the moon is made of softer rock than the Earth.
  *B. the Earth's gravity pulls harder on the near side of the moon than on the far side.
   C. the sun's light heats the near side of the moon more than the far side.
   D. the moon's oceans are pulled toward the Earth.
4. As used in the fourth paragraph, "settled into" most nearly means
   A. sank beneath.
   B. moved into a new home.
  *C. came to rest in.
   D. agreed to.
5. Which choice best explains why the moon's spin slowed, according to the passage?
   A. The moon was struck by large objects that reversed its rotation.
   B. The sun's gravity gradually stopped the moon's rotation.
   C. The moon's bulges grew larger until it could no longer turn.
  *D. Flexing inside the moon produced friction, and the Earth's pull on its misaligned bulges acted as a brake.
6. The evidence from fossil corals is presented to support the claim that
  *A. the Earth's days were once shorter than they are now.
   B. corals can live for hundreds of millions of years.
   C. the moon was closer to the sun in the past.
   D. ocean tides were stronger in the distant past.
7. Which choice provides the best evidence that the moon is moving away from the Earth?
   A. "Most of the large moons of Jupiter and Saturn keep one face toward their planets."
   B. "The effect is tiny: the day grows longer by roughly two thousandths of a second each century."
  *C. "...by bouncing laser pulses off them and timing the return, scientists have measured the moon's distance..."
   D. "Because the moon's orbit is slightly oval and slightly tilted, it appears to rock gently back and forth..."
8. Based on the passage, an observer standing on Charon would see Pluto
   A. rise and set once each day.
   B. only during certain seasons.
  *C. hanging in the same place in the sky.
   D. slowly moving farther away each night.
9. The author's discussion of the "dark side of the moon" mainly serves to
   A. explain why the far side was photographed so late.
   B. show that the far side is colder than the near side.
   C. argue that the name should be used more widely.
  *D. correct a mistaken belief about sunlight on the far side.
10. The final paragraph describes the relationship between the Earth and moon as a "negotiation" chiefly to emphasize that
   A. the two bodies will soon collide.
  *B. the process is ongoing and has reached different stages for each body.
   C. scientists still disagree about how the moon formed.
   D. the moon's face will change noticeably within a human lifetime.
