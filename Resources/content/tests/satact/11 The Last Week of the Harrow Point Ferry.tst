1. Which choice best describes the main development in the passage?
   A. Lena changes her mind and decides not to attend college on the mainland.
   B. The captain tries to convince the town to stop the bridge from opening.
  *C. Lena, who had seen the ferry only as an obstacle, comes to understand what it meant to others.
   D. The passengers organize a protest to save the ferry from being sold.
2. At the beginning of the passage, Lena looks forward to the bridge mainly because
   A. she is afraid of traveling by boat.
  *B. the ferry's limited schedule has restricted her social life.
   C. she hopes to get a job working on the bridge.
   D. the captain has treated her unfairly.
3. The captain's habit of tapping a gauge that "had never once been wrong" most likely suggests that he
   A. distrusts the equipment on the ferry.
   B. is trying to avoid answering Lena's question.
   C. is nervous about retiring.
  *D. values routine and careful attention in his work.
4. As used in the fourth paragraph, "comfortably and without heat" indicates that the brothers' arguments are
  *A. friendly rather than angry.
   B. held outdoors in cool weather.
   C. quiet and difficult to hear.
   D. serious and important to them.
5. The schoolteacher's comment about "forty minutes" mainly shows that for her the crossing was
   A. a waste of valuable time.
   B. a chance to meet new people.
  *C. a rare period of peace and freedom from obligations.
   D. a source of worry about her family.
6. Which choice provides the best evidence that Lena's view of the crossing begins to change?
   A. "She had reasons. In September she would start college on the mainland..."
   B. "On Thursday it rained, and the passengers crowded into the small cabin..."
   C. "The bridge was already finished when Lena started working on the ferry."
  *D. "It had not occurred to her that, for someone else, the gap might be the place."
7. The comparison of the boat to "a large animal" responding to "a gentle hand" chiefly emphasizes the ferry's
   A. age and poor condition.
   B. unpredictable and dangerous behavior.
  *C. slow, deliberate response to steering.
   D. speed compared with the cars on the bridge.
8. The captain's statement that "a bridge is a road" but "a boat is a place" most directly suggests that
  *A. the ferry served as a gathering space and not merely a means of travel.
   B. the bridge is unsafe for drivers.
   C. roads are more important to the island than boats.
   D. the captain plans to live on the ferry after he retires.
9. The captain's attitude toward the bridge can best be described as
   A. bitter resentment.
  *B. acceptance mixed with a sense of what will be lost.
   C. complete indifference.
   D. eager enthusiasm.
10. The final paragraph mainly serves to
   A. reveal that Lena regrets going to college.
   B. criticize the bridge as poorly built.
   C. show that the ferry will begin running again.
  *D. show that Lena feels the loss of the ferry even as she accepts the bridge.
