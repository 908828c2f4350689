# Writes OUTPUT: a C++ source holding the text of every SVG file in ART_DIR, so the content
# library draws from the sources it was built with and an edited picture rebuilds it.
file(GLOB files ${ART_DIR}/*.svg)
list(SORT files)
set(rows "")
foreach(file IN LISTS files)
  get_filename_component(name ${file} NAME)
  file(READ ${file} text)
  string(APPEND rows "    {\"${name}\", R\"svg(${text})svg\"},\n")
endforeach()
file(WRITE ${OUTPUT}.tmp
  "// Generated from tools/content/art by EmbedArt.cmake.\n"
  "#include \"tools/content/ArtSources.h\"\n\n"
  "const std::vector<ArtSource>& ArtSources() {\n"
  "  static const std::vector<ArtSource> sources = {\n${rows}  };\n"
  "  return sources;\n}\n")
file(COPY_FILE ${OUTPUT}.tmp ${OUTPUT} ONLY_IF_DIFFERENT)
file(REMOVE ${OUTPUT}.tmp)
