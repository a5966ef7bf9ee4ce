1. Why was Lena spending July with Uncle Ray?
  *A. Her mother was finishing a nursing course in the city.
   B. Her mother wanted her to learn carpentry.
   C. Uncle Ray needed help in his furniture shop during the busy summer season.
   D. Her school required every student to complete a summer project away from home.
2. What did Lena know about her mother and Ray at the start of the story?
   A. That they talked on the phone every week
   B. That they had never met
  *C. That they hardly ever spoke, and her mother called it "complicated"
   D. That they had bought the canoe together when they were teenagers
3. According to the story, what is a gunwale?
   A. A curved rib inside the canoe
   B. The canvas covering of the hull
   C. The seat at the back, where the person who steers the canoe sits
  *D. The strip of wood that forms the canoe's upper edge
4. How did Ray make new ribs flexible enough to bend?
   A. He soaked them in varnish.
  *B. He steamed them.
   C. He cut them very thin with a saw so that they would curve on their own.
   D. He left them in the sun.
5. Why did Lena learn to watch for Ray's nod?
  *A. It was his quiet way of showing that she had done well.
   B. It meant that dinner was ready.
   C. It was a signal that he wanted her to stop talking and keep working.
   D. It showed that he was tired.
6. What did Ray reveal about the past?
  *A. He had not come home when their father was sick, and Lena's mother had cared for him mostly alone.
   B. He had built the canoe himself as a teenager.
   C. Lena's mother had damaged the canoe.
   D. He had moved to the lake to get away from the city.
7. What new idea did Lena have about her mother after hearing Ray's story?
   A. Her mother had never really wanted to be a nurse.
   B. Her mother had once wanted to build canoes, just like her father.
  *C. Her wish to be a nurse might have begun while caring for her father.
   D. Her mother had asked Ray to stay away.
8. Why did Lena tell Ray that her mother still calls it "Ray's canoe"?
   A. To make him feel guilty
  *B. To show that her mother still thinks of him warmly
   C. To persuade him to give her the canoe to take home at the end of the summer
   D. To explain why her mother never visits
9. Why did Lena choose the front seat of the canoe?
   A. She was afraid of steering.
   B. Ray told her that the front seat was safer for a beginner.
  *C. She wanted to save the back seat for her mother.
   D. The back seat had not been repaired yet and was still cracked.
10. What does the final image of two paddles leaning against the canoe suggest?
   A. Lena and Ray will go fishing one last time before she leaves.
   B. The canoe is for sale.
   C. Ray wants Lena to take the canoe home.
  *D. Ray and Lena's mother may paddle together again.
