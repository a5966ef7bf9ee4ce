1. What was the first rule written on the whiteboard at the wildlife center?
   A. Always wash your hands
  *B. They are not pets
   C. Never open a cage alone
   D. Feed the animals twice a day
2. How did the baby owl end up at the center?
   A. Its parents left it on the center's doorstep
   B. Ana found it while walking in the woods
   C. It flew into a window at the farm
  *D. A storm knocked down its nest tree, and a farmer brought it in
3. Why did Ana secretly call the owl Biscuit?
  *A. Its fuzzy feathers were the color of her grandmother's biscuits
   B. It liked to eat biscuits
   C. It was the name on its cage card
   D. Dr. Lindgren suggested the name
4. Why did Dr. Lindgren feed the owl using an owl puppet?
   A. The chick would bite a bare hand
   B. The puppet made feeding faster
  *C. So the chick would not get used to humans and think it was one of them
   D. So Ana could take over the job later
5. In the story, what does "imprinting" mean?
   A. Learning to fly from perch to perch
   B. Leaving footprints in the cage
   C. Having a number written on a card
  *D. A young animal learning who it is from whoever takes care of it
6. How did Ana change her behavior after talking with Dr. Lindgren?
   A. She asked to take the owl home
  *B. She stopped lingering by the cage and kept quiet near the owl
   C. She began feeding the owl when no one was watching
   D. She quit her volunteer job
7. Why did Dr. Lindgren release live mice into the flight enclosure?
   A. To keep the enclosure clean
   B. To give the owl company
  *C. So the owl could learn to hunt on its own
   D. To test whether the owl was afraid of mice
8. Why was the owl released near the farm where it was found?
   A. The farmer wanted to keep it as a pet
   B. It was the closest place to the center
   C. There were no other owls there
  *D. There was good hunting there, and the owl knew the sounds of that place
9. What did it show when the owl "did not look at the people at all" after leaving the carrier?
  *A. It had stayed wild and was not attached to humans
   B. It was angry at Ana
   C. It could not see in the dark
   D. It was too frightened to move
10. Why did Ana feel "a strange mix of happiness and sadness" at the release?
   A. She was glad the summer was over but sorry she had to go to school
   B. She was proud of her work but upset that the owl had been hurt
  *C. She was glad the owl was free but sad to say goodbye to it
   D. She was happy to see the farmer but sad about the storm
