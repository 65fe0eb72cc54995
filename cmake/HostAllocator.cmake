# A host makes and frees hundreds of thousands of small shape blocks per drawing: rivez and the
# benchmark host link Debian's mimalloc, when it is installed, in place of the C library's
# allocator. The library itself keeps the standard one; sanitizer builds keep theirs.
find_package(mimalloc QUIET)
function(rvz_use_host_allocator target)
  if(mimalloc_FOUND AND NOT RIVEZOZER_SANITIZE)
    target_link_libraries(${target} PRIVATE mimalloc)
  endif()
endfunction()
