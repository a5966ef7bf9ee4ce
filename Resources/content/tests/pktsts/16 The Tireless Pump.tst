1. How is cardiac muscle different from the muscles in your arms and legs?
  *A. It can contract over and over without growing tired
   B. It only works when you exercise
   C. It is much larger
   D. It is controlled by your conscious thoughts
2. What is the job of the septum?
   A. To pump blood to the lungs
  *B. To keep the blood on the right side from mixing with the blood on the left side
   C. To send electrical signals through the heart
   D. To carry blood back from the legs
3. According to the article, which chambers act as "receiving rooms"?
  *A. The atria
   B. The ventricles
   C. The valves
   D. The capillaries
4. Where does the right ventricle send blood?
   A. To the brain
   B. Into the aorta
   C. To the left atrium directly
  *D. Through the pulmonary artery to the lungs
5. What happens to blood when it passes through the lungs?
   A. It picks up nutrients and drops off oxygen
   B. It is cleaned and turned into new blood
  *C. It gives up carbon dioxide and picks up oxygen
   D. It is stored until the body needs it
6. Why is the wall of the left ventricle thicker than the wall of the right ventricle?
   A. It holds more blood than any other chamber
  *B. It must push blood out to the entire body, not just to the nearby lungs
   C. It contains the heart's natural pacemaker
   D. It has to protect the heart from the ribs
7. What causes the "lub-dub" sound of a heartbeat?
   A. Blood rushing through the capillaries
   B. The lungs filling with air
   C. The heart bumping against the ribs
  *D. The heart's valves snapping shut
8. What does the heart's natural pacemaker do?
  *A. It sends regular electrical signals that make the heart muscle squeeze
   B. It stops blood from flowing backward
   C. It adds oxygen to the blood
   D. It carries blood from the arteries to the veins
9. Why are capillary walls only one cell thick?
   A. So the capillaries can stretch under high pressure
   B. So blood cells can pass through side by side
  *C. So oxygen, nutrients, and wastes can pass between the blood and the body's cells
   D. So the vessels can carry blood quickly back to the heart
10. What did William Harvey show in 1628?
   A. That the heart is made of cardiac muscle
   B. That the body makes new blood from food
   C. That the heart has four chambers
  *D. That the same blood travels around the body in a continuous loop
