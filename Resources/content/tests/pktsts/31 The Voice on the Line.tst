1. Why did Theo at first think Mrs. Halloran would be a poor choice for the project?
   A. She did not like young people and rarely spoke to anyone on the street.
   B. She had only recently moved to the town from another state.
  *C. Her life seemed quiet and undramatic.
   D. She had refused to let anyone record her voice.
2. Why did the first interview go badly?
  *A. Theo read his list in order and never followed up.
   B. The recorder stopped working halfway through the afternoon.
   C. Mrs. Halloran refused to answer most of his questions.
   D. Theo arrived too late to finish.
3. What did Funmi notice when she listened to the recording?
  *A. Theo cut in just as Mrs. Halloran said something interesting.
   B. Mrs. Halloran was making up most of her answers to impress him.
   C. Theo's questions were far too personal for a first meeting.
   D. Theo spoke too quietly to be heard.
4. How did Theo change his approach the second time?
   A. He brought a much longer list of questions and read them more slowly.
   B. He asked Funmi to conduct the interview for him.
  *C. He asked one open question about her work.
   D. He interviewed a different neighbor.
5. What was a switchboard operator's job, as Mrs. Halloran describes it?
  *A. Connecting calls by plugging cords into jacks
   B. Repairing broken telephone lines in the streets after storms
   C. Delivering telegrams around town by bicycle
   D. Writing down messages for people who did not own telephones
6. What does Mrs. Halloran mean by "you learn a town's heartbeat"?
   A. Operators listened closely to every call the doctor made about his patients.
  *B. Operators came to know the town's rhythms and habits.
   C. The switchboard made a steady sound like a heartbeat all night long.
   D. The town held a festival every night.
7. Why did the telephones keep working during the flood of 1957?
   A. The telephone office stood on top of a hill, far above the river.
   B. The floodwater never reached the telephone wires.
   C. The operators switched to a backup radio.
  *D. They ran on the central office's own batteries.
8. What did Ruth do when a panicked caller did not know whom to call?
   A. She told the caller to wait until morning, when help would arrive.
  *B. She decided for them, based on what she knew.
   C. She connected every such caller straight to the fire department.
   D. She hung up so that other calls could get through.
9. Why did Theo rewrite his first draft?
  *A. It felt flat, so he let her words lead.
   B. His teacher told him that it was too long and needed to be cut in half.
   C. Mrs. Halloran asked him to change several facts.
   D. He had lost the recording and had to start over.
10. What is the main theme of the story?
   A. Telephones worked better in the past than they do today.
   B. Older people do not like to talk about the past, even when asked kindly.
   C. School projects rarely teach students anything useful.
  *D. History lives in ordinary people nearby.
