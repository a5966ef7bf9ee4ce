1. The central claim of the passage is that
   A. translations are always inferior to the works they translate.
   B. poetry should never be translated because sound cannot be preserved.
  *C. because every translation must give something up, a good translation is a careful choice about what matters most.
   D. readers should learn foreign languages instead of relying on translations.
2. The author says that the Italian saying "demonstrates" its own point because
   A. it was first spoken by a famous translator.
  *B. translating it into English forces a choice between its meaning and its wordplay.
   C. it is used only by people who dislike translators.
   D. its meaning has changed over the centuries.
3. In the second paragraph, the author's statement that languages "are not codes for one another" most nearly means that
   A. languages cannot be written down accurately.
   B. some languages are more logical than others.
   C. translators should use dictionaries more carefully.
  *D. the words of one language do not map neatly onto the words of another.
4. The discussion of the word saudade mainly serves to
  *A. show with a single example that a translator must choose among imperfect options.
   B. prove that Portuguese is richer in meaning than English.
   C. suggest that footnotes are the best solution to every problem.
   D. explain the history of a famous Portuguese poem.
5. According to the passage, a translator who reproduces an ordinary sentence word for word may
   A. make the sentence easier for readers to understand.
   B. improve on the style of the original author.
  *C. make natural speech sound strange or stilted.
   D. preserve both the meaning and the tone perfectly.
6. As used in the fifth paragraph, "intensifies" most nearly means
   A. explains.
   B. removes.
   C. imitates.
  *D. heightens.
7. The author presents the debate over translating Dante's rhyme scheme as one that
   A. has finally been settled in favor of keeping the rhyme.
  *B. cannot be resolved because each side protects something of real value.
   C. matters only to scholars and not to ordinary readers.
   D. arises because English translators are less skilled than Italian poets.
8. Which choice provides the best evidence for the author's view that a translation is a kind of argument?
   A. "Italian, with its many words ending in the same few vowels, offers rhymes generously."
   B. "I have spent much of my working life translating, mostly novels and occasionally poems..."
  *C. "It says, in effect: this is what I believe the original is really doing..."
   D. "Languages differ in how they mark politeness..."
9. The author would most likely advise a reader who has enjoyed one translation of a classic to
   A. avoid other translations, which may confuse the reader.
   B. assume that the translation is a perfect copy of the original.
   C. judge the translation only by how closely it follows the original word order.
  *D. read other translations to see the range of meanings the work can support.
10. In the final paragraph, the image of tinted glass is used to suggest that
  *A. a translator's interpretation always shapes the work and should be acknowledged.
   B. translations should be as invisible as possible.
   C. readers cannot understand a work in translation at all.
   D. the original work is unclear until a translator explains it.
