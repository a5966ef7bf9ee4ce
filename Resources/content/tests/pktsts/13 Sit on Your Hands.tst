1. What was the team score when Tessa's game was the only one left?
   A. Jefferson was ahead by two points
  *B. The teams were tied
   C. Lincoln was ahead by one point
   D. Jefferson had already won the trophy
2. What would happen if Tessa's game ended in a draw?
   A. Lincoln would win the trophy
   B. The teams would play a new game the next day
  *C. The two teams would share first place
   D. Jefferson would win the trophy outright
3. What happened the first time Tessa played Simon?
   A. She won easily by capturing his queen
   B. The game ended in a draw after many hours
   C. She ran out of time on the clock
  *D. She quickly grabbed a pawn while winning and was checkmated soon after
4. What did Mr. Bauer mean by "sit on your hands"?
  *A. Slow down, wait before moving, and think about what your opponent wants
   B. Keep your hands warm during long games
   C. Never touch a piece unless you plan to move it
   D. Sit still so you do not bother the other player
5. Why did Tessa become suspicious when Simon left his knight unprotected?
   A. She saw him smile at his teammates
   B. Mr. Bauer gave her a signal from the crowd
  *C. It looked too easy, and Simon was not the kind of player who forgot about pieces
   D. She had read about the move in a book
6. What would have happened if Tessa's queen had captured the knight?
   A. She would have won the game right away
   B. Simon would have offered a draw
   C. She would have traded queens
  *D. Simon's rook could have moved to her back row and checkmated her king
7. How did Tessa respond to the trap?
   A. She captured the knight with a pawn instead of her queen
  *B. She moved a pawn in front of her king forward to give it room to escape
   C. She attacked Simon's rook with her bishop
   D. She offered a draw right away
8. The story calls the free knight "bait." What does "bait" mean here?
   A. A piece that has already been captured
  *B. Something offered to tempt a player into a trap
   C. A move that is against the rules
   D. The most valuable piece on the board
9. Why did Mr. Bauer say her best move "wasn't even on the board"?
  *A. Her most important choice was to stop and think before moving
   B. She won the game by running down the clock
   C. She had made a move with a piece that was off the board
   D. She helped a teammate win on another board
10. Which word best describes how Tessa changed since last spring?
   A. Careless
  *B. Patient
   C. Boastful
   D. Nervous
