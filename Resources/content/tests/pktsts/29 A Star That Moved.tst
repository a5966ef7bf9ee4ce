1. What did Tobias first think he had found?
   A. A new comet with a long, glowing tail that was heading toward the sun
   B. A new planet orbiting the sun far beyond Neptune
  *C. A nova or supernova
   D. A satellite that had never been tracked by anyone before
2. According to the story, why do astronomers use red flashlights?
   A. Red light makes faint stars look brighter through a telescope.
   B. Red flashlights last much longer on a cold night than white ones.
   C. Red light helps a camera focus.
  *D. Red light does not spoil their night vision.
3. How did Dr. Lindqvist react when Tobias first showed her the point of light?
   A. She told him that he had made a famous discovery and should call a magazine.
  *B. She praised his eye but asked what else it could be.
   C. She said his camera was broken.
   D. She told him to stop wasting his time photographing faint galaxies.
4. What does Dr. Lindqvist mean when she says his job is "to try as hard as you can to prove that you haven't" discovered something?
   A. Young people rarely discover anything new, so he should not get his hopes up.
   B. He should keep any discovery secret until he is older.
   C. Amateurs are not allowed to report discoveries to professional astronomers.
  *D. Test other explanations before trusting an exciting one.
5. Which result would have shown that the dot was a hot pixel?
   A. It would leave a long, bright streak across the whole image.
  *B. It would stay in the same spot on the sensor wherever the telescope pointed.
   C. It would shift slowly from night to night.
   D. It would stay fixed among the background stars.
6. What evidence showed that the object was not a supernova?
  *A. It had moved against the background stars.
   B. It was much brighter than the galaxy beside it.
   C. It had disappeared completely by the second night in the backyard.
   D. Dr. Lindqvist said that it was far too faint to be one.
7. What did the online database reveal?
   A. The object was an airplane flying high above the clearing.
   B. The object was a brand-new supernova in the galaxy.
   C. The object was a scratch on the laptop screen.
  *D. It was a known asteroid.
8. Why did Dr. Lindqvist look "delighted" when Tobias told her the result?
   A. She was glad that he had been wrong about something.
   B. She had discovered that same asteroid herself many years before.
  *C. He had tested his idea honestly.
   D. She hoped he would give up astronomy and go back to his schoolwork.
9. Why do professional astronomers depend on amateurs to observe variable stars?
   A. Amateurs usually own much larger telescopes than professionals do.
   B. Variable stars can be seen only from dark backyards, not from observatories.
   C. Professionals are not interested in stars whose brightness changes.
  *D. Professionals cannot watch all of them all the time.
10. How had Tobias changed by the end of the story?
  *A. He checked his data carefully before sharing it.
   B. He had decided to stop sharing his results with anyone at the club.
   C. He no longer found astronomy exciting after his disappointment in October.
   D. He was sure that he would soon make a famous discovery.
