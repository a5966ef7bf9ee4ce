1. What did Paperclip look like?
   A. She was orange with a white tail
   B. She was black with green eyes
  *C. She was gray with one white paw
   D. She was white with gray stripes
2. What did Nora find hard to do?
   A. Putting books back in the right order
  *B. Talking in front of people
   C. Brushing the cat's fur
   D. Waking up early on Saturdays
3. Why was Mrs. Kim worried at the start of the story?
  *A. Story Time was about to start and Paperclip was missing
   B. Nora was late to help at the library
   C. The donated books had been lost
   D. The heater in the back room was broken
4. Which three things did Paperclip like?
  *A. Warm places, quiet places, and paper
   B. Sunny windows, mittens, and toys
   C. Loud children, crayons, and milk
   D. Tall shelves, open doors, and rain
5. How did Nora figure out where Paperclip was?
   A. She heard the cat meowing
   B. A boy told her where the cat was hiding
   C. She followed paw prints on the floor
  *D. She thought about what the cat liked and where the new boxes were
6. Where was Paperclip sleeping?
   A. In the box of lost mittens
  *B. In an open box of donated books in the back room
   C. Under the big wooden desk
   D. On a chair near the front door
7. Why did Mrs. Kim ask Nora to read to the children?
   A. Nora had asked to read a book
   B. The children asked for Nora by name
  *C. The Story Time reader was stuck in traffic
   D. Mrs. Kim had lost her voice
8. What helped Nora feel brave enough to keep reading?
   A. Mrs. Kim read the book with her
  *B. Paperclip purring beside her and a boy giggling at the picture
   C. Her mother watching from the door
   D. A prize that Mrs. Kim promised her
9. How did Nora change from the beginning of the story to the end?
   A. She decided she did not like cats after all
   B. She stopped coming to the library on Saturdays
   C. She became too busy to help Mrs. Kim
  *D. She went from being too shy to talk to reading aloud with a growly voice
10. What does Paperclip's paw on Nora's knee seem to say at the end?
  *A. Keep going
   B. Feed me
   C. Let me sleep
   D. Go away
