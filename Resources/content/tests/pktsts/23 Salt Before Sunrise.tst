1. Why was Owen opening the bakery alone?
  *A. His aunt's flight home had been canceled by a storm.
   B. His aunt had retired and handed the bakery over to him.
   C. Mrs. Delgado was sick.
   D. His aunt wanted to test him without warning him first.
2. Why did Owen cut a slash into the top of each country loaf?
   A. To mark the loaves for the diner
  *B. So the bread could expand without bursting its sides
   C. To check whether the dough inside had finished rising in the cooler
   D. To help the salt soak in
3. How did Owen discover his mistake?
   A. Mrs. Delgado tasted a loaf and told him.
   B. The diner manager called to complain about the bread.
  *C. He tasted a piece of it.
   D. The loaves did not rise.
4. What does the phrase "like a song played without any low notes" help the reader understand?
  *A. The bread tasted as if something were missing.
   B. The bread was burned on the bottom.
   C. The bakery was unusually quiet before sunrise, without the radio playing.
   D. Owen hummed while he worked.
5. Which choice did Owen consider but reject?
   A. Closing the bakery for the whole day
   B. Calling his aunt at the airport to ask what to do
   C. Throwing all of the bread away and starting again from the beginning
  *D. Selling the bread without telling anyone
6. Which lesson from Aunt Teresa most influenced Owen's decision?
   A. All bread should be baked before five.
  *B. Customers come back because the bread is the same good bread every time.
   C. A baker should never run the big mixer alone, especially in the early morning.
   D. The customer is always right, even when the baker thinks the customer is wrong.
7. How did Owen handle the orders for the diner and the sandwich shop?
  *A. He explained the delay, delivered to the diner for free, and gave the shop extra country loaves.
   B. He sent the unsalted bread at a discount.
   C. He had Mrs. Delgado make the calls.
   D. He canceled both orders for the day and promised to make up for it on the following morning.
8. What did Owen do with the unsalted loaves?
   A. He threw them out.
   B. He gave them to the diner for free as an apology for the late order.
   C. He mixed them into the new dough.
  *D. He made croutons and sliced the rest for bread pudding.
9. What does Aunt Teresa mean when she says Owen's second mistake was "thinking I'd be angry that you told the truth"?
  *A. She values his honesty more than she minds the error.
   B. She was secretly angry with him.
   C. She thought he should have kept the mistake to himself and sold the bread.
   D. She thinks the salt was her fault.
10. What is the purpose of the card that says SALT FIRST?
   A. To punish Owen by reminding him of his mistake every single day
   B. To advertise a new salted bread to the customers who come in each morning
  *C. To give a simple reminder that prevents the same mistake
   D. To warn customers about salt
