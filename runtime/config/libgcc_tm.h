// Target headers that GCC's build would list here: none for this target.
