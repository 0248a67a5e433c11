# Writes OUTPUT, a C++ source that gives the SHA-1 digest of each picture in
# PICTURES (a list of files) under its resource name, ":/assets/<file name>".
# Run as a build step, so the digests always match the pictures compiled in.
set(entries "")
foreach(picture IN LISTS PICTURES)
  file(SHA1 ${picture} digest)
  get_filename_component(name ${picture} NAME)
  string(APPEND entries "    {\":/assets/${name}\", \"${digest}\"},\n")
endforeach()
set(source "// Generated from the pictures when the program was built.
#include \"platform/picture_digests.h\"

namespace vorn {

std::string_view BuiltPictureDigest(std::string_view resource) {
  static constexpr std::string_view kDigests[][2] = {
${entries}  };
  for (const auto& [name, digest] : kDigests) {
    if (name == resource) return digest;
  }
  return {};
}

}  // namespace vorn
")
# Left alone when unchanged, so nothing is rebuilt for it.
file(CONFIGURE OUTPUT ${OUTPUT} CONTENT "${source}" @ONLY)
