# The codec reads untrusted bytes from the device: the test build runs under ASan and UBSan.
if(AIS_SANITIZE)
    set(AIS_SANITIZER_FLAGS -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
    add_compile_options(${AIS_SANITIZER_FLAGS} -O1 -g)
    add_link_options(${AIS_SANITIZER_FLAGS})
endif()

if(AIS_TSAN)
    add_compile_options(-fsanitize=thread -O1 -g)
    add_link_options(-fsanitize=thread)
endif()
