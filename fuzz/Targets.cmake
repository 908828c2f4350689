# One libFuzzer target per file format the game reads: fuzz/<Name>Fuzzer.cpp, and its seeds,
# patterns of files in the test build: the generated sample content (content/) and its pack
# (bin/resource.dat). A new format adds its line here.
#              name          seeds
pm_fuzz_target(GameData      "content/Binary/gamedata.bin")
pm_fuzz_target(LevelsData    "content/Binary/levelsdata.bin")
pm_fuzz_target(LibraryData   "content/Binary/libdata.bin")
pm_fuzz_target(Settings)     # seed: a save of two players, made by the target
pm_fuzz_target(TextTable     "content/Binary/textdata.txt")
pm_fuzz_target(Font          "content/Font/*.fnt")
pm_fuzz_target(Particle      "content/Particle/*.fgp" "content/Particle/*.PSI")
pm_fuzz_target(Jp2Texture    "content/Texture/*.jp2")
pm_fuzz_target(GifMask       "content/Texture/m_*.gif")
pm_fuzz_target(Bytecode)     # seed: the sample script, compiled by the target
pm_fuzz_target(ReplayScript) # seed: an example script, written by the target
pm_fuzz_target(Pack          "bin/resource.dat")
