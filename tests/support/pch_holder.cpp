// Compiles the test programs' shared precompiled header; the program itself runs no test.
