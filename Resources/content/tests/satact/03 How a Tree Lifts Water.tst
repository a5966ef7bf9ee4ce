1. The main purpose of the passage is to
   A. compare the heights of the world's tallest tree species.
  *B. explain how trees move water to great heights without a pump.
   C. argue that root pressure is the main force that lifts water in trees.
   D. describe how engineers improved pumps used in deep mines.
2. The discussion of suction pumps in the second paragraph mainly serves to
   A. show that trees and pumps work in exactly the same way.
   B. describe the history of mining technology.
  *C. rule out one possible explanation by showing that it could not work in a tall tree.
   D. prove that the atmosphere pushes water to the tops of trees.
3. According to the passage, root pressure cannot explain water movement in tall trees mainly because it is
   A. too strong and would damage the leaves.
   B. found only in trees and not in smaller plants.
   C. strongest during hot afternoons.
  *D. weak, absent in many trees and strongest when least needed.
4. Which choice best states where the energy for lifting water in a tree comes from, according to the passage?
  *A. The sun, which drives evaporation from the leaves
   B. The roots, which squeeze water upward
   C. The wood, which contracts and expands each day
   D. Sugar produced by photosynthesis in the leaves
5. As used in the fifth paragraph, "cohesion" refers to
   A. the clinging of water to the walls of a tube.
  *B. the attraction of water molecules to one another.
   C. the escape of water vapor through pores in a leaf.
   D. the pressure that builds up in roots at night.
6. The observation that water "snaps back away from the cut rather than oozing out" is presented as evidence that
   A. the xylem cells are dead and hollow.
   B. trees lose most of their water at night.
  *C. the water in the xylem is under tension rather than pressure.
   D. air bubbles cannot enter a tree's stem.
7. As used in the seventh paragraph, "fragile" most nearly means
   A. delicate in appearance.
   B. temporary.
   C. lightweight.
  *D. easily broken.
8. Based on the passage, a tree would most likely face the greatest risk of cavitation
  *A. during a severe drought, when the tension in its water columns is very high.
   B. on a humid night, when its stomata are mostly closed.
   C. in early spring, when root pressure is strong.
   D. after a gentle rain, when its roots are well supplied.
9. The passage suggests that the small, thick leaves at the tops of the tallest redwoods indicate that
   A. the upper leaves receive too much water.
   B. those leaves belong to a different kind of tree.
  *C. water supply becomes more limited near the top of a very tall tree.
   D. the upper branches are younger than the lower ones.
10. The final paragraph mainly serves to
   A. introduce a new question that the passage cannot answer.
  *B. restate the central idea in a vivid image and draw a broader lesson from it.
   C. admit that the cohesion-tension theory may be mistaken.
   D. summarize the history of research on tree height.
