1. According to the article, what was the Silk Road?
   A. A single paved highway from China to Rome
  *B. A web of land and sea routes that linked China with many distant regions
   C. A river that carried silk from China to Europe
   D. A wall built to protect Chinese silk workshops
2. Who gave the Silk Road its name?
   A. Emperor Wu
   B. Marco Polo
   C. Zhang Qian
  *D. A German geographer in the 1800s
3. Why did Emperor Wu send Zhang Qian to the west?
  *A. To find allies against nomadic warriors raiding China's borders
   B. To sell silk to the Romans
   C. To bring back silkworm eggs
   D. To map the Taklamakan Desert
4. Why was Zhang Qian's journey valuable even though it did not go as planned?
   A. He brought home a large amount of gold
   B. He convinced the Romans to stop buying silk
  *C. His reports about lands to the west encouraged China to open trade
   D. He built the first caravanserai
5. According to the legend in the article, how did the secret of silk-making leave Asia?
   A. A Roman soldier stole a silk robe and studied it
   B. Marco Polo wrote about it in his book
   C. Chinese officials sold the secret to Persian traders
  *D. Two monks smuggled silkworm eggs in hollow walking sticks
6. Why does the author compare the movement of goods to "a baton in a relay race"?
   A. Because merchants raced each other to reach Rome first
  *B. Because goods were passed from trader to trader over short distances
   C. Because the goods were carried by runners instead of animals
   D. Because each city held races for the traders
7. Why was silk so expensive by the time it reached Rome?
   A. It was damaged by the desert heat along the way
   B. Only one merchant was allowed to sell it
  *C. Its price went up each time it changed hands
   D. Roman law made silk more costly than gold
8. What was a caravanserai?
   A. A type of camel with two humps
   B. A merchant who traveled the whole route
   C. A ship that carried goods by sea
  *D. A roadside inn built around a courtyard where travelers rested
9. Which of these did the article describe as something that traveled the Silk Road but "could not be packed on a camel's back"?
  *A. Buddhism and other beliefs
   B. Jade and glass
   C. Porcelain dishes
   D. Horses
10. What was one main reason the overland Silk Road declined?
   A. The Mongol Empire closed all the routes
   B. People stopped wanting silk
  *C. Sea routes let merchants carry more goods for less money
   D. The oasis cities dried up
