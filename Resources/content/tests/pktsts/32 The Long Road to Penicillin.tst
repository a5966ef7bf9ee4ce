1. What did Fleming notice on the contaminated plate?
   A. The bacteria had grown twice as fast in the area surrounding the mold.
   B. The mold had turned the whole plate bright red.
  *C. A clear ring around the mold where bacteria had not grown
   D. The glass plate had cracked while he was away on holiday.
2. Why did work on penicillin stall for about a decade after 1929?
   A. Fleming lost all of his notes.
   B. The government banned research on molds during those years.
  *C. It came in tiny amounts and was unstable and hard to purify.
   D. Penicillin turned out to harm the body's white blood cells.
3. Who came across Fleming's paper and thought penicillin deserved another look?
   A. Norman Heatley
  *B. Ernst Chain
   C. Howard Florey
   D. Albert Alexander
4. What did the experiment of May 1940 show?
  *A. The treated mice lived; the untreated mice died.
   B. All eight mice died, even the ones that were given penicillin.
   C. Penicillin worked only on very small animals.
   D. The mice quickly became resistant to penicillin.
5. Why was success with mice not enough on its own?
  *A. A human would need a far larger dose.
   B. Mice and humans catch completely different kinds of infections.
   C. The treated mice became sick again the following day.
   D. Many scientists did not trust any experiments done on animals.
6. What do the team's bathtubs, milk churns, and bedpans show?
   A. The Oxford laboratory was unusually wealthy and could afford anything.
  *B. The scientists improvised in wartime.
   C. Penicillin mold grew best in metal containers.
   D. The hospital wanted to save money on cleaning supplies.
7. What did the case of Albert Alexander demonstrate?
   A. Penicillin did not work on humans the way it had worked on mice.
   B. Penicillin worked only on wounds to the face.
  *C. Penicillin was powerful, but far more was needed.
   D. Penicillin could be made from urine.
8. Which was one of the key improvements made at the laboratory in Peoria?
   A. Growing the mold in bedpans instead of bathtubs to save space
   B. Giving penicillin only to soldiers and never to civilians
   C. Making penicillin without using any mold at all
  *D. Adding corn steep liquor to increase production
9. What warning did Fleming give in his Nobel lecture?
   A. Penicillin would soon run out around the world.
  *B. Bacteria given too little of it could become resistant.
   C. Penicillin should be given only to children and the elderly.
   D. Mold growing in laboratories is dangerous to the scientists who work there.
10. What is the main point of the final paragraph?
   A. Penicillin was discovered and developed entirely by luck.
   B. Fleming alone deserves the credit.
   C. Penicillin was made into a cure in a single morning.
  *D. A lucky observation became a medicine only through years of work by many people.
