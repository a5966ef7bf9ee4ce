1. The central argument of the passage is that
  *A. language change is a normal and orderly process rather than a sign of decay.
   B. English has become less capable of expressing complex ideas over time.
   C. an official body should be created to protect the English language.
   D. standard forms of a language are useless and should be abandoned.
2. The author discusses Swift and Johnson in the first paragraph mainly to
   A. compare the quality of their writing.
  *B. present an early wish to fix a language and an early recognition that this was impossible.
   C. show that dictionaries cause language change.
   D. argue that Swift's proposal should be revived.
3. According to the passage, the claim that each generation's language is declining must be mistaken because
   A. older writers used fewer words than modern writers.
   B. no one complained about language before the eighteenth century.
   C. dictionaries have prevented any real change.
  *D. if it were true, modern languages would be in ruins, yet they remain fully expressive.
4. The examples of nice, silly and awful are used to illustrate that
   A. English has borrowed most of its words from Latin.
   B. words usually become more positive over time.
  *C. word meanings shift gradually along common, unplanned paths.
   D. careless speakers are responsible for changes in meaning.
5. As used in the fourth paragraph, "systematic" most nearly means
   A. official.
   B. sudden.
   C. mechanical.
  *D. following a consistent pattern.
6. Based on the passage, the mismatch between English spelling and pronunciation arose largely because
  *A. spelling became fixed at about the same time that pronunciation was changing.
   B. printers deliberately chose spellings that were difficult to learn.
   C. the French introduced new spellings after 1066.
   D. schoolchildren were taught the wrong pronunciations.
7. The author calls the gap between spelling and speech "a fossil record" in order to suggest that it
   A. will soon disappear completely.
  *B. preserves evidence of how the language once sounded.
   C. makes English more difficult than other languages.
   D. was created by scientists studying the language.
8. Which choice provides the best evidence that the author does not believe language change is caused by carelessness?
   A. "The word nice comes from a Latin word meaning ignorant..."
   B. "The proposal came to nothing."
  *C. "Change is not a disease that infects a language from outside."
   D. "Contact with other languages brings in new words..."
9. The author's attitude toward standard forms of a language is best described as
   A. dismissive, because standards have no real value.
   B. reverent, because standards represent the only correct way to speak.
   C. fearful, because standards are disappearing.
  *D. appreciative of their usefulness while denying that they are fixed or superior by nature.
10. The final sentence of the passage mainly suggests that
   A. young people are responsible for preserving the language.
  *B. constant change is a sign that a language is alive and in use.
   C. pure languages are spoken only in isolated places.
   D. the English language will soon stop changing.
