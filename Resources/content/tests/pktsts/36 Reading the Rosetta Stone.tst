1. How was the Rosetta Stone found?
  *A. French soldiers uncovered it while rebuilding a fort.
   B. British archaeologists dug it out of a royal tomb near the city of Memphis.
   C. A farmer found it while plowing a field on the edge of Cairo.
   D. Champollion discovered it on his first trip to Egypt.
2. Why were the three scripts on the stone so valuable to scholars?
   A. They recorded three different decrees.
   B. They proved that Greek was a much older language than Egyptian.
  *C. The readable Greek might unlock the other two.
   D. They were carved by three different kings, each in his own favorite script.
3. What did the Greek text reveal about the stone?
   A. It was a letter written by Cleopatra to the priests at Memphis.
   B. It was a list of the pharaohs.
   C. It described Napoleon's invasion of Egypt and the founding of the scholars' institute.
  *D. It recorded a decree by priests honoring Ptolemy V.
4. What mistaken belief about hieroglyphs did many earlier European scholars hold?
   A. That they were a form of Greek
  *B. That the signs held hidden mystical meanings instead of recording sounds
   C. That they had been invented by the Romans after they conquered Egypt
   D. That they recorded only numbers
5. Which contribution does the passage credit to Thomas Young?
   A. Reading the name of Ramesses in a cartouche from an older temple
  *B. Identifying Ptolemy's cartouche and the sounds of several signs
   C. Finding the stone
   D. Translating Coptic into Greek
6. Which belief kept Young from completing the decipherment?
   A. He thought the stone was a forgery made by French scholars.
   B. He believed Demotic had no connection to hieroglyphs.
  *C. He thought phonetic signs were used mainly for foreign names.
   D. He refused to study cartouches.
7. Why was Champollion's knowledge of Coptic so important?
   A. Coptic was the language of the bottom text on the stone.
   B. Coptic was written in hieroglyphs.
   C. Coptic was spoken by the French soldiers who found the stone in the Nile delta.
  *D. Coptic was the last stage of ancient Egyptian, so it linked signs to real words.
8. How did the cartouches of Ptolemy and Cleopatra help Champollion?
   A. They showed the exact dates of each ruler's reign in the Egyptian calendar.
  *B. Sounds found in both names used the same signs.
   C. They proved that the two rulers were related.
   D. They contained no phonetic signs.
9. Why was reading the name Ramesses such a breakthrough?
   A. Ramesses was the king honored on the Rosetta Stone.
   B. It proved that hieroglyphs recorded vowels.
  *C. It showed Egyptians used phonetic signs for their own names long before Greek rule.
   D. It revealed where the stone had been carved.
10. What are determinatives, according to the passage?
  *A. Unspoken signs that show a word's category
   B. Signs that stand for single consonants, like the letters of an alphabet
   C. Signs used only in royal names
   D. Signs that record the vowels that the other signs leave out
