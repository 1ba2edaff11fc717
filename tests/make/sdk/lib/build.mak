# Stand-in for the SDK's build rules in the Makefile test: the host's compiler,
# as strict as the issue's cross build, and the stand-in headers.
CC = cc
CFLAGS += -std=gnu99 -O2 -Wall -Wextra -pedantic -Werror -I$(PSPSDK)/include

all: $(TARGET)

$(TARGET): $(OBJS)
	$(CC) -o $@ $(OBJS)

# The test's own goal: build and run the program.
check: $(TARGET)
	./$(TARGET)
