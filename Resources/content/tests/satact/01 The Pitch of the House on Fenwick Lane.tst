1. Which choice best describes what happens in the passage?
   A. A young tuner competes with her mentor to win the trust of a difficult customer.
  *B. An apprentice on her first solo job decides that listening to an instrument matters more than following a fixed standard.
   C. An elderly man tries to persuade a tuner to help him sell his late wife's piano.
   D. A young woman discovers that she would rather be a concert pianist than a piano tuner.
2. The description of Mr. Sato speaking "in the flat tone he used for weather reports" mainly suggests that he
   A. privately doubts that Ines is prepared for the job.
   B. is annoyed at being interrupted while he works.
   C. has forgotten how important the appointment is.
  *D. chooses to treat a significant moment as an ordinary one.
3. As used in the passage, "emissary" most nearly means
  *A. a representative sent on someone else's behalf.
   B. a student who has not yet finished training.
   C. a critic who judges the work of others.
   D. a guest who arrives without being invited.
4. According to the passage, why is Ines reluctant to raise the piano to concert pitch?
   A. She has not brought the tools needed for the job.
   B. Mr. Hartigan refuses to pay for more than one visit.
  *C. The added tension might break some of the old strings.
   D. She cannot hear the difference between the two pitches.
5. Which choice provides the best evidence for the answer to the previous question?
  *A. "Some strings, rusted where they wrapped around the tuning pins, might not survive the stretch."
   B. "The sound that came back was soft and curiously whole, like a voice heard through a wall."
   C. "In eight months of apprenticeship she had tuned forty pianos..."
   D. "It took nearly three hours. Mr. Hartigan did not leave the room."
6. Mr. Hartigan's remark that Ruth "let the piano drift on purpose" most strongly suggests that
   A. Ruth had little interest in caring for the instrument.
  *B. the lowered pitch suited the range of Ruth's singing voice.
   C. Mr. Hartigan blames his wife for the piano's poor condition.
   D. the piano was damaged before Ruth ever owned it.
7. The statement that "a perfectly tuned piano is a piano in which every interval is very slightly wrong" mainly serves to
   A. criticize the methods that Mr. Sato taught Ines.
   B. suggest that Ines does careless work when she is alone.
   C. explain why the piano on Fenwick Lane could not be repaired.
  *D. highlight a paradox of the craft that fascinates Ines.
8. The comparison of the bass strings to "animals turning in their sleep" chiefly conveys
   A. the danger of working on an old instrument.
   B. Ines's fear that the strings will snap.
  *C. the deep sound of the strings as they gradually come to rest.
   D. the damage that years of neglect have done to the piano.
9. Over the course of the passage, Ines's view of the tuning fork changes from
  *A. an absolute standard of truth to a useful agreement among instruments.
   B. a useful tool to an object she no longer needs.
   C. a gift from her mentor to a reminder of her mistakes.
   D. a confusing device to one she finally understands how to use.
10. Mr. Sato's final response suggests that he
   A. plans to return to the house and redo the tuning himself.
   B. is disappointed that Ines did not raise the pitch.
   C. has not really understood what Ines describes.
  *D. approves of her decision because it reflects what he taught her.
