<Generator_Name>
Trellimenu 2006
</Generator_Name>
<Generator_Version>
1.0
</Generator_Version>
<Product_Name>
General Menu Structure Description Format
</Product_Name>
<Product_Version>
1.0
</Product_Version>
<Structure_Description>
0#$@Products#$@site/products.html#$@_self#$@All products#$@
1#$@Tools & More#$@#$@_self#$@#$@
0#$@Home#$@index.html#$@_self#$@index.html#$@
0#$@-#$@#$@_self#$@#$@
0#$@Contact#$@mailto:me@example.com#$@_blank#$@mailto:me@example.com#$@
</Structure_Description>
