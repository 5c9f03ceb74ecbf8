// Target settings that GCC's build would generate: none are needed.
