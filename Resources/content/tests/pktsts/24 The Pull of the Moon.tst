1. What is the main cause of the tides?
   A. Wind blowing across the open ocean
   B. Earthquakes on the ocean floor
  *C. The pull of the moon's gravity
   D. Rivers pouring water into the sea
2. Why does the moon's pull create tides instead of simply moving all of Earth evenly?
   A. The moon pulls only on water, not on rock.
   B. The moon pulls hardest on the side of Earth that faces away from it.
  *C. Different parts of Earth are different distances from the moon, so they feel different pulls.
   D. The moon's gravity switches on and off.
3. Why does Earth have two tidal bulges?
   A. One is caused by the sun and one by the moon.
   B. One forms in the Atlantic Ocean and the other forms in the Pacific Ocean.
   C. One appears in summer and one in winter.
  *D. One faces the moon, and on the far side the ocean is in effect left behind.
4. Why does high tide arrive about fifty minutes later each day?
   A. Earth's spin slows by fifty minutes every day.
  *B. The moon moves along its orbit, so Earth must turn a bit more to catch up.
   C. The ocean needs fifty minutes to warm up each morning before it can rise.
   D. The sun rises later each day.
5. When do spring tides happen?
  *A. When the sun, moon, and Earth line up
   B. Only during the spring season
   C. When the sun and moon are at right angles to each other in the sky
   D. Only when strong storms push extra water toward the shore
6. What are neap tides?
   A. The highest tides of the whole year
  *B. Weaker tides that occur when the pulls of the sun and moon partly cancel
   C. Tides found only in the Bay of Fundy
   D. Tides caused by the sun alone
7. According to the passage, why does the Bay of Fundy have such large tides?
   A. The moon passes closer to Canada than to other places on Earth.
   B. The bay is almost surrounded by land, like the Mediterranean.
  *C. Water is funneled into a narrow bay and piles up.
   D. Rivers push in extra water.
8. In the passage, what does "intertidal zone" mean?
  *A. The strip of shore covered at high tide and exposed at low tide
   B. The deepest part of the ocean
   C. The area where the waters of two neighboring countries meet
   D. The open ocean far from shore
9. Which effect of the tides is described in the passage?
   A. Tides make Earth spin faster each year.
   B. Tides are slowly pulling the moon closer and closer to Earth.
   C. Tides cause the change of seasons by tilting Earth toward the sun.
  *D. Tides are very gradually making Earth's days longer.
10. Which example does the passage give of people using tidal energy?
   A. Sailboats racing in the Bay of Fundy
  *B. A power station on the Rance River in France
   C. Fishing boats that check tide tables before leaving the harbor each morning
   D. Surfers riding spring tides
