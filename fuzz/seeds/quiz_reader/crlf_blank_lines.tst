

1. Q one?
   A. a

  *B. b

2. Q two?
 *A. x
   B. y
   C. z
   D. w
   E. v
   F. u
   G. t
   H. s
   I. r
   J. q
