# The decoder turns published integrity strings into the digests file(<HASH>)
# computes: known vectors, including padding of one and two characters.
include(${INTEGRITY_SCRIPT})
include(${SKY_PACKAGE_PIN})

function(expect integrity algorithm hex)
  vespera_integrity_to_hex("${integrity}" gotAlgorithm gotHex)
  if(NOT gotAlgorithm STREQUAL algorithm OR NOT gotHex STREQUAL hex)
    message(FATAL_ERROR "${integrity}: got ${gotAlgorithm} ${gotHex}, expected ${algorithm} ${hex}")
  endif()
endfunction()

# sha256 of the empty string (one '=' of padding).
expect("sha256-47DEQpj8HBSa+/TImW+5JCeuQeRkm5NMpJWZG3hSuFU=" SHA256
       "e3b0c44298fc1c149afbf4c8996fb92427ae41e4649b934ca495991b7852b855")
# sha512 of "abc" (two '=' of padding).
expect("sha512-3a81oZNherrMQXNJriBBMRLm+k6JqX6iCp7u5ktV05ohkpkqJ0/BqDa6PCOj/uu9RU1EI2Q86A4qmslPpUyknw==" SHA512
       "ddaf35a193617abacc417349ae20413112e6fa4e89a97ea20a9eeee64b55d39a2192992a274fc1a836ba3c23a3feebbd454d4423643ce80e2a9ac94fa54ca49f")
# The pinned package's published integrity.
expect("${VESPERA_SKY_PACKAGE_INTEGRITY}" SHA512
       "714471225d04f851969d88fa8130edf344a3ba233d96495c1b2923fec915cbb8250e0e678ff4314d4a0f3c0ad4f9ba4443ed5f2f2e618bddb43af27f4e096247")
