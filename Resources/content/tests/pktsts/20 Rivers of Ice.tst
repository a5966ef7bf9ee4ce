1. What is firn?
   A. Meltwater frozen in cracks in rock
   B. A ridge of gravel left where a glacier has melted
  *C. Snow pressed into small, rounded grains
   D. The clear, heavy ice found at the very bottom of an old glacier
2. Why can a glacier flow even though ice seems hard and brittle?
   A. Summer sunlight melts it, and the water carries it downhill.
  *B. Under great pressure, its crystals slowly shift, so deep ice behaves like thick putty.
   C. Strong winds push it down the valley.
   D. Small earthquakes keep shaking it loose.
3. Which sentence best describes plucking?
  *A. Meltwater freezes in cracks, and the moving ice tears pieces of rock loose.
   B. Rocks frozen into the ice scrape the bedrock like sandpaper.
   C. Rivers cut V-shaped valleys.
   D. A glacier drops large boulders where they do not belong.
4. What can striations tell scientists?
   A. How many thousands of years old a glacier is
   B. How much fresh water a glacier held
  *C. Which direction the ice traveled
   D. How deep the snow was in each of the winters that formed the ice
5. How does a glacier change a river valley?
   A. It fills the valley with gravel.
   B. It sharpens the valley walls into a single pointed peak called a horn.
  *C. It widens a V-shaped valley into a U shape.
   D. It makes the valley narrower.
6. According to the passage, how did fjords form?
   A. Rivers wore away soft rock near the coast.
   B. Glaciers piled up ridges of debris along the shore until they formed long walls.
   C. Storm waves carved inlets into cliffs.
  *D. The sea flooded valleys that glaciers had carved below sea level.
7. What is an erratic?
  *A. A large boulder a glacier left in a place where it does not belong
   B. A glacier that suddenly surges forward
   C. A bowl-shaped basin high on a mountain
   D. A ridge that marks the farthest point reached by the ice
8. In the sentence about the Great Lakes, what does "scouring" most likely mean?
   A. Freezing solid from the top down
   B. Flowing gently
   C. Melting quickly in warm weather
  *D. Scraping and wearing away
9. What is the main idea of the passage?
   A. Glaciers exist only in Antarctica and Greenland.
  *B. Glaciers form from snow and reshape the land by wearing it away and depositing rock.
   C. Glaciers move too slowly to change the land.
   D. Glaciers are dangerous, and travelers in the mountains should stay far away from them.
10. Why do scientists watch glaciers closely today?
   A. Ice sheets are expected to cover North America again very soon.
   B. Glaciers supply drinking water for almost every large city in the world.
   C. Glaciers hold the only ancient rocks.
  *D. Glaciers respond to changes in climate.
