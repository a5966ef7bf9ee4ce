1. What is chlorophyll?
   A. A yellow color that appears only in the fall
  *B. A green substance in leaves that captures energy from sunlight
   C. A gas that trees take in from the air
   D. A layer of cells that cuts a leaf off from the branch
2. What does a leaf make during photosynthesis?
   A. Water
   B. Wax
   C. Carbon dioxide
  *D. Sugar
3. Why can't we see the yellow and orange colors in leaves during the summer?
  *A. So much green chlorophyll covers them up
   B. They are only made when the weather gets cold
   C. They are inside the branches, not the leaves
   D. The bright summer sun makes them fade
4. What happens to the green color in leaves in the fall?
  *A. It breaks down and fades because the tree stops making new chlorophyll
   B. It moves down into the roots
   C. It turns into red paint
   D. It gets darker and darker
5. How are red and purple leaves different from yellow and orange leaves?
   A. Red and purple colors come from the soil
   B. Red and purple colors were hiding in the leaves all summer
  *C. Red and purple colors are newly made in the fall from sugars trapped in the leaves
   D. Red and purple leaves never fall off the tree
6. What kind of weather helps trees make brighter red colors?
   A. Long weeks of rain
   B. Warm, cloudy nights
   C. Heavy snow early in the fall
  *D. Sunny days followed by cool nights
7. Why does the author compare the change in leaf color to peeling off a green sticker?
   A. To show that leaves are made of paper
  *B. To show that the yellow color was there underneath the whole time
   C. To show that people can peel leaves apart
   D. To show that leaves are sticky in the fall
8. Why do many trees drop their leaves before winter?
   A. To make room for flowers
   B. To give animals something to eat
  *C. To save water when it is hard for the roots to get
   D. To keep the ground from freezing
9. What helps evergreen needles stay on the tree all winter?
  *A. A waxy coating that helps keep water in
   B. Extra chlorophyll that makes them warm
   C. Strong roots that reach deep underground
   D. Thick bark that covers the needles
