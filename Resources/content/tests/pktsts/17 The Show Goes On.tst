1. What was June's job before opening night?
   A. She played the older sister in the play
   B. She ran the sound board
  *C. She was the assistant stage manager
   D. She painted the scenery
2. What did June keep on the "What If" page of her binder?
   A. A list of actors who might forget their lines
  *B. Problems that might happen during the show and what she would do about each one
   C. Questions she wanted to ask Ms. Hollis
   D. Ideas for next year's play
3. Why did June have to call the show on opening night?
   A. Ms. Hollis wanted to watch from the audience
   B. June had asked for a bigger job
   C. The lighting operator had quit
  *D. The stage manager, Carla, was sick with a fever
4. What does "calling the show" mean in this story?
  *A. Telling the crew over a headset exactly when to change each light and sound
   B. Announcing the start of the play to the audience
   C. Phoning people to invite them to the play
   D. Reading the actors' lines to them from offstage
5. What caused the stage lights to go out?
  *A. A breaker tripped and the dimmer board shut off
   B. An actor bumped into the light switch
   C. A storm knocked out power to the whole school
   D. The fog machine set off the smoke alarm
6. How did June's binder help her when the lights failed?
   A. It had the phone number of an electrician
   B. It showed her where the electrical room was
  *C. Her "What If" page already listed battery lanterns as a backup plan
   D. It had a second copy of the script for the audience
7. Why did June decide the lanterns would work for this particular scene?
   A. The actors had practiced with lanterns in rehearsal
  *B. The scene took place at night in a farmhouse, where lanterns would look natural
   C. The lanterns were the brightest lights in the theater
   D. Ms. Hollis had told her to use them
8. The story says the lantern scene "seemed more intimate than it had ever been." What does "intimate" mean here?
   A. Loud and exciting
   B. Confusing and hard to follow
   C. Bright and colorful
  *D. Close and personal
9. What did June come to understand by the end of the story?
   A. She wanted to become an actor
   B. She should never make plans ahead of time
   C. Lighting problems always ruin a play
  *D. Working in the background did not mean her role was unimportant
10. Which word best describes June when the lights went out?
  *A. Resourceful
   B. Careless
   C. Bored
   D. Jealous
