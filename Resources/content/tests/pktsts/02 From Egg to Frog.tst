1. What does the word "metamorphosis" mean in this article?
   A. A loud chorus of croaks
   B. A kind of pond plant
  *C. A big change in shape
   D. A frog's sticky tongue
2. Why are frog eggs covered in clear jelly?
  *A. The jelly protects them and keeps them from drying out
   B. The jelly is food for the mother frog
   C. The jelly helps the eggs float to the top of the pond
   D. The jelly makes the eggs hard to see
3. How does a tadpole breathe when it first hatches?
   A. With lungs, like an adult frog
   B. Through its long tail
   C. Through its skin only
  *D. Through gills, the way a fish does
4. What do most tadpoles eat?
   A. Insects and spiders
  *B. Tiny plants called algae
   C. Small fish
   D. Frog eggs
5. Which legs grow first on a tadpole?
   A. The front legs
   B. All four legs at the same time
  *C. The back legs
   D. The legs grow only after the tail is gone
6. What happens to a froglet's tail?
   A. It falls off in the water
   B. It grows longer and stronger
   C. It turns into the back legs
  *D. Its body soaks it up little by little
7. Why does a tadpole swim to the top of the water to take a gulp of air?
  *A. It is growing lungs and can start to breathe air
   B. It is looking for insects to eat
   C. It wants to get away from the jelly
   D. It is trying to call to other frogs
8. About how long does the change from egg to frog take for many frogs?
   A. Just a few days
  *B. About three or four months
   C. About ten years
   D. Exactly one week
9. Which sentence best tells the main idea of the article?
  *A. A frog goes through several big changes as it grows from an egg to an adult
   B. Frogs make loud noises in the spring
   C. Bullfrogs are the biggest frogs in the pond
   D. Tadpoles are better swimmers than frogs
