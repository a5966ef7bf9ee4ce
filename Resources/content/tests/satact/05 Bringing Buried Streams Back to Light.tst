1. The main purpose of Passage 1 is to
  *A. advocate for uncovering buried urban streams by describing their benefits.
   B. explain why nineteenth-century cities chose to bury their streams.
   C. criticize the city of Seoul for an expensive public project.
   D. compare several methods of reducing urban flooding.
2. According to Passage 1, cities originally buried streams mainly because the streams
   A. were needed as sources of drinking water.
  *B. spread disease, flooded streets and took up land wanted for building.
   C. had dried up and were no longer useful.
   D. were too beautiful to be left unprotected.
3. As used in Passage 1, the phrase "a form of insurance" suggests that open stream channels
   A. raise the cost of owning property near the water.
   B. must be paid for by private companies.
  *C. offer protection against future damage from heavy storms.
   D. are useful only in regions that rarely flood.
4. As used in Passage 2, "obscure" most nearly means
   A. darken.
   B. confuse.
   C. forget.
  *D. hide.
5. The author of Passage 2 mentions the water pumped into the stream in Seoul in order to
   A. praise the engineers for their technical skill.
   B. show that the project failed to attract visitors.
  *C. question whether the restored stream is truly a natural ecosystem.
   D. argue that the stream should be covered again.
6. Which choice best describes the attitude of the author of Passage 2 toward daylighting?
   A. Completely opposed
  *B. Supportive but cautious
   C. Indifferent
   D. Uncritically enthusiastic
7. The author of Passage 2 refers to "a permeable parking lot" mainly to suggest that
  *A. useful flood-control measures often go unnoticed because they are not dramatic.
   B. parking lots are the main cause of water pollution.
   C. cities should build more parking lots near streams.
   D. ribbon-cutting ceremonies are a waste of public money.
8. Which choice provides the best evidence that the author of Passage 2 is concerned about the effects of daylighting on local residents?
   A. "Daylighting projects typically require rebuilding roads, moving utility lines and buying land..."
   B. "In dry seasons, many urban streams shrink to a trickle."
   C. "It is hard not to be moved by photographs of children wading in a creek..."
  *D. "...rising rents may push out the very residents who endured the years of construction."
9. How would the author of Passage 2 most likely respond to the claim in Passage 1 that an open channel allows water to "spread out, slow down and soak into the ground"?
   A. By agreeing that daylighting alone will solve a city's flooding problems
  *B. By arguing that measures spread across the whole watershed do more to address the cause of flooding
   C. By denying that open channels have any effect on flooding at all
   D. By claiming that culverts are better at absorbing water than open channels
10. Both authors would most likely agree that
   A. the project in Seoul was a failure.
   B. cities should stop building culverts of any kind.
   C. daylighting is too expensive to be worthwhile.
  *D. restored streams can make urban neighborhoods more appealing to people.
