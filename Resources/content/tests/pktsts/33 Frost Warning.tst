1. Why was Ingrid making the frost call that night?
   A. Walt Prescott had asked the weather service to replace Mr. Abernathy with her.
   B. She had just been made chief of the station.
   C. The weather service required a second forecaster.
  *D. Mr. Abernathy was away at a meeting and had left her in charge.
2. What does the long pause in Walt Prescott's phone call suggest?
   A. He could not hear her.
   B. He was busy giving orders to his crew about lighting the heaters.
   C. He was pleased and relieved that Ingrid, and not Mr. Abernathy, was in charge.
  *D. He doubted that someone so young could be trusted.
3. Why was frost such a threat during that week?
   A. The apples were ripe and ready to be picked.
   B. The orchard heaters had not yet been delivered to the valley.
  *C. Frozen blossoms would mean no apples in the fall.
   D. Cold air would damage the instruments.
4. Why did the low dew point worry Ingrid?
   A. It meant that rain was coming.
   B. It meant that the wind from the northwest would soon grow much stronger.
  *C. Dry air lets heat escape quickly at night.
   D. It showed that the instruments were broken.
5. What was the one sign that frost might NOT come?
  *A. High clouds were creeping in from the west.
   B. The wind, which had blown steadily all day, was dying down.
   C. The afternoon had been clear and bright.
   D. The temperature was forty-one degrees at six-thirty and falling slowly.
6. Which reasoning best explains Ingrid's decision to issue a warning?
   A. She wanted to prove to Walt Prescott that she was as good as Mr. Abernathy.
  *B. Losing a crop would be far worse than wasting a night's oil.
   C. She was sure that the clouds would never reach the valley.
   D. Mr. Abernathy always issued warnings.
7. What actually happened that night?
   A. A hard frost destroyed most of the blossoms on the valley floor.
  *B. The clouds arrived around two, and the temperature held at thirty degrees.
   C. The heaters failed to light.
   D. It rained until morning.
8. What is Mr. Abernathy's main point when he says, "You don't judge a forecast by luck"?
  *A. Judge a decision by its reasoning, given what was known.
   B. Forecasting is mostly guesswork.
   C. Ingrid was simply lucky that the clouds arrived in time to save the orchards.
   D. Only the outcome of a forecast really matters in the end.
9. Why does Mr. Abernathy mention the night in 1952?
   A. To show that he has never once made a mistake in all his years at the station
   B. To explain why Walt dislikes him
   C. To prove that clouds always arrive in time
  *D. To show that an all-clear call on a similar night once cost a family its crop
10. What improvement does Mr. Abernathy suggest?
   A. Lighting the heaters earlier every night, whatever the forecast says
  *B. Calling the airfield to the west about the clouds
   C. Letting the growers vote
   D. Moving the station down into the valley, closer to the orchards
