// Kelvo: the route driver's handheld program.
int main() { return 0; }
