1. The main purpose of the passage is to
   A. prove that private property is the best way to protect shared land.
   B. describe the history of farming in the Swiss Alps.
  *C. challenge the idea that shared resources are doomed without private or government control.
   D. argue that international agreements on the environment cannot succeed.
2. As used in the first paragraph, "stark" most nearly means
   A. empty.
  *B. severe.
   C. obvious.
   D. cautious.
3. The author explains that Hardin used the word tragedy "in its old theatrical sense" in order to
  *A. clarify that Hardin saw the pasture's ruin as the unavoidable result of the herders' own choices.
   B. suggest that Hardin's essay was meant as a work of fiction.
   C. show that Hardin exaggerated the suffering caused by overgrazing.
   D. point out that Hardin borrowed his example from an ancient play.
4. According to the author, the key flaw in Hardin's parable is its assumption that
   A. herders care more about their neighbors than about themselves.
   B. pastures can support an unlimited number of animals.
   C. governments are too weak to enforce rules on shared land.
  *D. the users of a resource act alone and never make agreements with one another.
5. The Swiss rule linking summer grazing to the hay a household could grow is presented as an example of a rule that
   A. was imposed on villagers by a distant government.
   B. allowed wealthy families to use most of the pasture.
  *C. was simple to apply and easy for the community to verify.
   D. was eventually abandoned because it was too strict.
6. The author's description of the Valencia water court mainly illustrates which feature of lasting community institutions?
   A. Clear boundaries around the resource
   B. Punishments that increase for repeated offenses
   C. Rules written by experts from outside the community
  *D. A cheap and quick way to settle disputes
7. Which choice provides the best evidence that the author does not see self-governing communities as unusually virtuous?
   A. "Many fail. But the ones that last for generations tend to share certain features."
  *B. "...designed by people who assumed that their neighbors would cheat if given the chance and who built systems to make cheating visible and costly."
   C. "The boundaries of the resource, and the list of who may use it, are clear."
   D. "In coastal Maine, lobster fishers have long recognized informal territories around their harbors..."
8. It can most reasonably be inferred that the author would consider a global fishing agreement more likely to succeed if it
   A. left each nation free to decide its own catch without reporting it.
  *B. included ways of checking catches and responses that grew stronger for repeated violations.
   C. relied entirely on the goodwill of fishing crews.
   D. divided the whole ocean into privately owned plots.
9. As used in the fifth paragraph, "hard-headed" most nearly means
  *A. practical and realistic.
   B. stubborn and unwilling to change.
   C. physically tough.
   D. unfriendly toward outsiders.
10. Which choice best describes the overall structure of the passage?
   A. A personal story is told, then used to reject a scientific theory completely.
   B. Two competing theories are described, and the author declines to choose between them.
  *C. An influential idea is presented, an assumption behind it is questioned with examples, and the idea's limits are then carefully qualified.
   D. A problem is introduced, a single solution is proposed, and the solution is shown to work everywhere.
