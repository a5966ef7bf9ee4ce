1. Why was Nadia unhappy when Ms. Patel read the partner list?
   A. She had hoped to be paired with her best friend.
  *B. She had always tried to beat Julian, and now he was her partner.
   C. She was worried that she did not know how to build a bridge.
   D. Julian had refused to work with her.
2. How would the winning bridge be chosen?
  *A. By how much weight it held compared to its own weight
   B. By how closely it looked like a real bridge
   C. By how few sticks and how little glue the pair had used
   D. By which pair finished first
3. Why did Julian want to build a truss?
   A. He had once seen a Roman truss bridge on a family trip.
  *B. He believed triangles keep their shape when pushed.
   C. Trusses need fewer sticks.
   D. Ms. Patel had said that trusses were always the strongest design.
4. How did Nadia get her sticks to curve into an arch?
   A. She warmed them with a hair dryer.
   B. She cut them into short pieces and glued them end to end in a curve.
   C. She clamped them around a mixing bowl.
  *D. She soaked them in water overnight.
5. What happened to Nadia's test arch?
  *A. Its ends slid apart until the whole arch lay flat on the table.
   B. It snapped at the top after the fourth book.
   C. It held every book without damage.
   D. Its glue never dried.
6. The story says Julian's truss "buckled in the middle." What does buckled most likely mean here?
   A. Was strapped together tightly with a belt
   B. Became heavier
  *C. Bent and gave way
   D. Lifted up off the table when the books were stacked on it
7. What was the main idea behind the combined design?
   A. Use only triangles, since the arch had failed
  *B. An arch carries the load, a bottom piece ties its ends, and triangles brace it
   C. Glue an arch and a truss side by side
   D. Leave out the arch and double the truss to save weight
8. Which detail best shows that Nadia and Julian had learned to work together?
   A. They stopped arguing completely.
   B. They divided the work in half so that they would not have to talk much.
  *C. Each tried the other's ideas before deciding they were wrong.
   D. They let Ms. Patel settle their disagreements.
9. About how much weight did the bridge hold before a triangle gave way?
   A. Six kilograms
   B. Ten kilograms
   C. Fifteen kilograms
  *D. Nineteen kilograms
10. What does the ending of the story suggest?
  *A. They are willing to work together again.
   B. Julian is embarrassed that the bridge broke.
   C. Nadia will ask for a different partner.
   D. The two will go back to competing to beat each other on every test.
