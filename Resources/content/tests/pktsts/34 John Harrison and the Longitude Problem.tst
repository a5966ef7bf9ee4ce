1. Why was latitude easier to find than longitude?
   A. It required only a compass.
   B. It hardly changed on most voyages, so navigators could simply keep the value they started with.
   C. Maps showed it.
  *D. It could be worked out from the height of the sun or the Pole Star.
2. According to the passage, what is the basic principle for finding longitude?
   A. Measuring the depth of the ocean
   B. Observing the direction of the wind and the waves over several days
   C. Counting the number of days the ship has been at sea since leaving port
  *D. Comparing ship's time with time at a reference place
3. If a ship's local time differs from home-port time by two hours, how far east or west of home is it?
   A. Fifteen degrees
  *B. Thirty degrees
   C. Forty-five degrees
   D. Sixty degrees
4. Why were pendulum clocks unreliable at sea?
   A. They were too large to fit below deck.
   B. Sailors did not know how to wind them.
  *C. The ship's motion upset the pendulum, and heat and damp changed the rate.
   D. Salt water quickly dissolved the wooden gears inside them.
5. What did the Longitude Act of 1714 offer?
  *A. A prize of up to twenty thousand pounds for a method accurate to half a degree
   B. A free ship to anyone who could find longitude
   C. A seat in Parliament for the best clockmaker in Britain
   D. Payment to shipwreck survivors
6. What was the main drawback of the lunar distance method?
   A. The moon could never be seen clearly from the deck of a moving ship.
  *B. It needed precise instruments, good tables, and long calculations.
   C. It worked only near the Isles of Scilly.
   D. It depended on a pendulum.
7. Why is a bimetallic strip useful in a timekeeper?
  *A. It bends with temperature, which can correct for heat and cold.
   B. It makes the clock's chime louder.
   C. It removes the need for winding the clock every day during a long voyage.
   D. It seals the case so that sea water and damp air cannot reach the gears.
8. What insight led Harrison to build H4?
  *A. That a small, fast-beating balance could be steadier than a large, slow one
   B. That wooden parts work better than metal ones
   C. That a pendulum could be shielded from the motion of the waves by a heavy case
   D. That a timekeeper should be as large as possible
9. Why did Harrison not receive the full prize after H4's first trial?
   A. H4 had lost several hours by the time the ship reached Jamaica.
   B. Harrison refused to take part in any further trials at sea after the voyage to Jamaica.
   C. The king cancelled the prize.
  *D. The Board doubted the result and kept adding demands.
10. How does the final paragraph connect Harrison's work to the present?
   A. Modern ships still carry exact copies of H4 as a backup to their electronic systems.
   B. Satellites have made accurate time unimportant for finding a position at sea.
  *C. Satellite navigation also depends on precise time.
   D. The lunar distance method has replaced satellites.
