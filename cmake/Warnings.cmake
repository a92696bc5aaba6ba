# Our own targets are warning-free at -Wall -Wextra; Qt's headers come in as system headers.
add_compile_options(-Wall -Wextra)
