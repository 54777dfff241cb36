// The built-in pictures and stored texts are compiled into this library as Qt resources.
