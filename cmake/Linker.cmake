# lld links the many sanitized test executables several times faster than the default linker
# (scripts/install-deps.sh installs it for the tests); without it the default one links.
find_program(AIS_LLD ld.lld)
if(AIS_LLD)
    add_link_options(-fuse-ld=lld)
endif()
